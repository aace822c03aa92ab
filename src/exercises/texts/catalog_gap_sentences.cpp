#include "exercises/texts/catalog_gap_sentences.h"

#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {

const char* const kTooManyCatalogSentences = "Za duzo przyk\xB3" "ad\xF3w w cwiczeniu!!!";

std::vector<std::string> CatalogSentenceIds(std::string_view line4, Problems& problems, const ContentPlace& place, bool* tooMany) {
    std::vector<std::string> ids;
    TerminatedFields fields(line4, '=');
    size_t count = 0;
    while (!fields.AtEnd()) {
        std::string id(fields.Next());
        ++count;
        if (fields.Unterminated()) NoteProblem(problems, place, "the identifier \"" + id + "\" is not followed by \"=\"");
        if (ids.size() >= static_cast<size_t>(kCatalogSentenceLimit)) {
            if (count == static_cast<size_t>(kCatalogSentenceLimit) + 1) {
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kCatalogSentenceLimit) + " sentences: \"" + id +
                                "\" and the identifiers after it are left out");
                if (tooMany) *tooMany = true;
            }
            continue;
        }
        ids.push_back(std::move(id));
    }
    return ids;
}

std::string SeparateMarksAfterGaps(std::string_view sentence) {
    std::string out;
    out.reserve(sentence.size() + 8);
    for (size_t i = 0; i < sentence.size(); ++i) {
        out += sentence[i];
        if (sentence[i] == '>' && i + 1 < sentence.size() && std::string_view(".,!?;").find(sentence[i + 1]) != std::string_view::npos)
            out += ' ';
    }
    return out;
}

bool IsCatalogGapSentences(const CatalogEntry& entry) { return entry.Code.size() >= 6 && entry.Code.substr(4, 2) == "60"; }

CatalogGapContent BuildCatalogGapSentences(const CatalogEntry& entry, const DragDropSentences& table, Problems& problems,
                                           const ContentPlace& place) {
    CatalogGapContent content;
    for (std::string& id : CatalogSentenceIds(entry.Line4, problems, place, &content.TooMany)) {
        CatalogSentence sentence;
        sentence.Id = std::move(id);
        for (const DragDropSentence& record : table)
            if (record.Id == sentence.Id) {
                sentence.Text = record.Sentence;
                sentence.FlagHint = record.Answer;
                sentence.Found = true;
            }
        if (!sentence.Found)
            NoteProblem(problems, place, "the sentence \"" + sentence.Id + "\" is in no record of the drag-and-drop sentences (kurs.zdd)");
        content.Sentences.push_back(std::move(sentence));
    }
    for (size_t i = 0; i < content.Sentences.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        AppendSentence(content.Tokens, "[FLA=" + n + "] [GLO=" + n + "] " + SeparateMarksAfterGaps(content.Sentences[i].Text),
                       ItalicTags::Catalog, problems, place);
    }
    if (content.Tokens.Gaps.size() < 2)
        NoteProblem(problems, place, "the exercise needs at least two gaps; it has " + std::to_string(content.Tokens.Gaps.size()));
    return content;
}

void CatalogGapSentences::Prepare(const CatalogGapContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    sentences_ = content.Sentences;
    board_.Prepare(content.Tokens, random_);
}

bool CatalogGapSentences::StartDrag(int label) {
    if (label < 0 || label >= board_.GapCount()) return false;
    attempt_.Touch();
    return !attempt_.Evaluated();
}

void CatalogGapSentences::DropOnGap(int label, int gap) {
    if (!attempt_.Evaluated()) board_.DropOnGap(label, gap);
}

void CatalogGapSentences::SendHome(int label) {
    if (!attempt_.Evaluated()) board_.SendHome(label);
}

void CatalogGapSentences::Check() {
    attempt_.Touch();
    if (attempt_.Evaluated()) return;
    const int right = board_.Check();
    attempt_.Finish(right, board_.GapCount() - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

int CatalogGapSentences::SentenceNumber(int sentence) const {
    if (sentence < 0 || static_cast<size_t>(sentence) >= sentences_.size()) return 0;
    try {
        const int n = IntOfTrimmed(sentences_[static_cast<size_t>(sentence)].Id);
        return n > 0 ? n : 0;
    } catch (const ConversionError&) {
        return 0;
    }
}

}  // namespace quillan
