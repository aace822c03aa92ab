#include "content_dumps.h"

#include "exercises/texts/text_exercise_content.h"
#include "json_lines.h"
#include "platform/errors.h"

namespace quillan {

namespace {

JsonObject GapsJson(const GapTokenList& list, JsonObject object) {
    std::vector<JsonObject> gaps;
    for (const GapEntry& gap : list.Gaps) gaps.push_back(JsonObject().Text("answer", gap.Answer).Text("expected", gap.Expected));
    return object.Objects("gaps", gaps);
}

// The parsed content of one entry, in file order, before any shuffle.
struct ContentJson {
    JsonObject operator()(const std::monostate&) const { return JsonObject(); }

    JsonObject operator()(const McContent& content) const {
        std::vector<JsonObject> questions;
        for (const McQuestion& q : content.Questions) {
            JsonObject question = JsonObject().Text("question", q.Question).Texts("answers", q.Answers);
            if (q.Right >= 0)
                question.Number("right", q.Right);
            else
                question.Null("right");
            questions.push_back(question);
        }
        return JsonObject().Objects("questions", questions);
    }

    JsonObject operator()(const TfContent& content) const {
        std::vector<JsonObject> statements;
        for (const TfStatement& s : content.Statements) statements.push_back(JsonObject().Text("text", s.Text).Boolean("true", s.True));
        return JsonObject()
            .Texts("true_heading", {content.TrueHeading.begin(), content.TrueHeading.end()})
            .Texts("false_heading", {content.FalseHeading.begin(), content.FalseHeading.end()})
            .Objects("statements", statements);
    }

    JsonObject operator()(const TypingContent& content) const {
        std::vector<JsonObject> gaps;
        for (const TypingGap& gap : content.Gaps)
            gaps.push_back(JsonObject()
                               .Text("answer", gap.Answer)
                               .Text("alternative", gap.Alternative)
                               .Text("prefill", content.Items[static_cast<size_t>(gap.Item)].Prefill));
        return JsonObject()
            .Text("file", content.FileName)
            .Number("gap_width", content.GapWidth)
            .Boolean("blank_gaps", content.BlankGaps)
            .Objects("gaps", gaps)
            .Number("items", static_cast<long long>(content.Items.size()));
    }

    JsonObject operator()(const MissingTypingFile& missing) const {
        return JsonObject().Text("file", missing.FileName).Null("gap_width").Null("blank_gaps").Objects("gaps", {}).Number("items", 0);
    }

    JsonObject operator()(const DfContent& content) const {
        std::vector<JsonObject> entries;
        for (const DfEntry& e : content.Entries) entries.push_back(JsonObject().Text("term", e.Term).Text("definition", e.Definition));
        return JsonObject().Objects("entries", entries);
    }

    JsonObject operator()(const DdContent& content) const {
        std::vector<JsonObject> words;
        for (const DdWord& w : content.Words) words.push_back(JsonObject().Text("text", w.Text).Number("column", w.Column));
        return JsonObject().Texts("columns", content.Columns).Number("rows", content.Rows).Objects("words", words);
    }

    JsonObject operator()(const DvContent& content) const {
        std::vector<JsonObject> items;
        for (const DvItem& i : content.Items) items.push_back(JsonObject().Text("text", i.Text).Number("row", i.Row));
        return JsonObject().Objects("items", items);
    }

    JsonObject operator()(const HhContent& content) const {
        std::vector<JsonObject> pairs;
        for (const HhPair& p : content.Pairs) pairs.push_back(JsonObject().Text("left", p.Left).Text("right", p.Right));
        return JsonObject().Objects("pairs", pairs);
    }

    JsonObject operator()(const GapTokenList& list) const { return GapsJson(list, JsonObject().Number("sentences", list.Sentences)); }
};

void DumpExerciseContent(const Course& course, const std::string& programDir, const std::string& listFile, std::ostream& out) {
    for (size_t n = 0; n < course.textExercises.size(); ++n) {
        const TextExercise& exercise = course.textExercises[n];
        Problems ignored;
        const ContentPlace place = TypeLinePlace(exercise, listFile);
        const std::string code = TypeCode(exercise);
        JsonObject line = JsonObject().Number("entry", static_cast<long long>(n + 1)).Number("line", place.Line).Text("type", code);
        if (const TextExerciseType* type = FindTextExerciseType(code))
            line.Number("kind", type->Kind);
        else
            line.Null("kind");
        try {
            line.Number("text", TextNumberOf(exercise));
        } catch (const ConversionError&) {
            line.Null("text");
        }
        const TextExerciseContent content = ReadTextExerciseContent(exercise, programDir, ignored, place);
        if (std::holds_alternative<std::monostate>(content))
            line.Null("content");
        else
            line.Object("content", std::visit(ContentJson(), content));
        out << line.str() << '\n';
    }
}

void DumpCatalogGapSentences(const Course& course, const std::string&, const std::string&, std::ostream& out) {
    for (size_t n = 0; n < course.catalog.size(); ++n) {
        const CatalogEntry& entry = course.catalog[n];
        if (!IsCatalogGapSentences(entry)) continue;
        Problems ignored;
        const CatalogGapContent content = BuildCatalogGapSentences(entry, course.dragDrop, ignored);
        std::vector<JsonObject> sentences;
        for (const CatalogSentence& s : content.Sentences)
            sentences.push_back(JsonObject().Text("id", s.Id).Text("text", s.Text).Text("flag_hint", s.FlagHint));
        out << GapsJson(content.Tokens, JsonObject().Number("entry", static_cast<long long>(n + 1)).Objects("sentences", sentences)).str()
            << '\n';
    }
}

}  // namespace

const std::vector<ContentDump>& ContentDumps() {
    static const std::vector<ContentDump> dumps = {
        {"exercise-content", DumpExerciseContent},
        {"catalog-gap-sentences", DumpCatalogGapSentences},
    };
    return dumps;
}

const ContentDump* FindContentDump(std::string_view name) {
    for (const ContentDump& dump : ContentDumps())
        if (dump.Name == name) return &dump;
    return nullptr;
}

}  // namespace quillan
