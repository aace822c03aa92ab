#include "exercises/texts/typing_gaps.h"

#include <algorithm>

#include "course/data_file.h"
#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan {

namespace {

constexpr std::string_view kMarks = ".,;!?";
constexpr size_t kGapWidthLabel = 8, kGlossaryLabel = 12, kBlankGapsLabel = 10;

bool IsMark(std::string_view trimmed) { return trimmed.size() == 1 && kMarks.find(trimmed[0]) != std::string_view::npos; }

std::string PlusToSpace(std::string_view text) {
    std::string out(text);
    std::replace(out.begin(), out.end(), '+', ' ');
    return out;
}

std::string_view AfterLabel(std::string_view line, size_t label) { return line.size() <= label ? std::string_view() : line.substr(label); }

// Cuts a prepared line at spaces: each piece is the text up to the next space; two spaces give
// an empty piece; the last piece runs to the end of the line.
std::vector<std::string_view> Pieces(std::string_view line) {
    std::vector<std::string_view> pieces;
    while (!line.empty()) {
        const size_t space = line.find(' ');
        pieces.push_back(line.substr(0, space));
        line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
    }
    return pieces;
}

// An item that is not a gap, with its markup recognised.
TypingItem PlainItem(std::string_view piece, const std::string& fileName, int line, Problems& problems) {
    TypingItem item;
    item.Text = std::string(piece);
    const std::string upperTrimmed = UpperAscii(TrimView(piece));
    if (TrimView(piece) == "$%^") {
        item.Kind = TypingItemKind::Glue;
    } else if (piece == ">>") {
        item.Kind = TypingItemKind::Raise;
    } else if (UpperAscii(piece.substr(0, 5)) == "[TAB=") {
        item.Kind = TypingItemKind::Tab;
        std::string number(piece.substr(5));
        if (const size_t bracket = number.find(']'); bracket != std::string::npos) number.erase(bracket, 1);
        try {
            if (TrimView(number).empty()) throw ConversionError("");
            item.Tab = StrToInt(TrimView(number));
            if (item.Tab < 0 || item.Tab > kTypingMaxPixels) {
                problems.Add(fileName, line, "\"" + item.Text + "\" lies outside the text box (0 to " + std::to_string(kTypingMaxPixels) + " pixels)");
                item.Tab = -1;
            }
        } catch (const ConversionError&) {
            problems.Add(fileName, line, "\"" + item.Text + "\" holds no number of pixels");
        }
    } else if (upperTrimmed == "<BR>") {
        item.Kind = TypingItemKind::Break;
    } else if (upperTrimmed == "<B>") {
        item.Kind = TypingItemKind::BoldOn;
    } else if (upperTrimmed == "</B>") {
        item.Kind = TypingItemKind::BoldOff;
    }
    return item;
}

}  // namespace

std::string SpaceBeforeMarks(std::string_view text) {
    std::string line(text);
    for (const char mark : kMarks) {
        for (size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, at)) {
            const char before = at == 0 ? line[0] : line[at - 1];
            if (before == ' ' || (before >= '0' && before <= '9')) break;
            line.insert(at, 1, ' ');
            at += 2;
        }
    }
    return line;
}

std::string TypingFileName(std::string_view name) { return "Wpisywania\\" + Trim(name) + ".fcs"; }

TypingContent ReadTypingFile(LineReader& reader, Problems& problems) {
    TypingContent content;
    content.FileName = reader.Name();
    const std::string& file = content.FileName;

    const std::string_view widthLine = reader.ReadLineView();
    try {
        if (TrimView(AfterLabel(widthLine, kGapWidthLabel)).empty())
            problems.Add(file, reader.LineNumber(),
                         "the gap width is missing; " + std::to_string(kTypingDefaultGapWidth) + " pixels are taken");
        else
            content.GapWidth = StrToInt(TrimView(AfterLabel(widthLine, kGapWidthLabel)));
        if (content.GapWidth < 1 || content.GapWidth > kTypingMaxPixels) {
            problems.Add(file, reader.LineNumber(),
                         "the gap width " + std::to_string(content.GapWidth) + " is not 1 to " + std::to_string(kTypingMaxPixels) +
                             " pixels; " + std::to_string(kTypingDefaultGapWidth) + " pixels are taken");
            content.GapWidth = kTypingDefaultGapWidth;
        }
    } catch (const ConversionError& error) {
        problems.Add(file, reader.LineNumber(),
                     std::string("the gap width is no number (") + error.what() + "); " +
                         std::to_string(kTypingDefaultGapWidth) + " pixels are taken");
    }
    content.GlossaryLine = Trim(AfterLabel(reader.ReadLineView(), kGlossaryLabel));
    content.BlankGaps = TrimView(AfterLabel(reader.ReadLineView(), kBlankGapsLabel)) == "1";

    std::string prefill;
    bool full = false;
    while (!reader.Eof() && !full) {
        const std::string line = SpaceBeforeMarks(reader.ReadLineView());
        for (const std::string_view piece : Pieces(line)) {
            if (!piece.empty() && piece.front() == '*') {
                prefill = std::string(piece.substr(1));
                continue;
            }
            if (content.Items.size() >= static_cast<size_t>(kTypingItemLimit)) {
                problems.Add(file, reader.LineNumber(),
                             "the window holds " + std::to_string(kTypingItemLimit) +
                                 " items: the text is cut here and the rest is left out");
                full = true;
                break;
            }
            TypingItem item;
            if (!piece.empty() && piece.front() == '&') {
                const std::string_view gap = TrimView(piece.substr(1));
                const size_t slash = gap.find('\\');
                TypingGap entry;
                entry.Item = static_cast<int>(content.Items.size());
                entry.Answer = PlusToSpace(gap.substr(0, slash));
                if (slash != std::string_view::npos) entry.Alternative = PlusToSpace(gap.substr(slash + 1));
                if (TrimView(entry.Answer).empty())
                    problems.Add(file, reader.LineNumber(), "gap " + std::to_string(content.Gaps.size() + 1) + " has no answer");
                item.Kind = TypingItemKind::Gap;
                item.Gap = static_cast<int>(content.Gaps.size());
                content.Gaps.push_back(std::move(entry));
            } else {
                item = PlainItem(piece, file, reader.LineNumber(), problems);
                content.HasTab = content.HasTab || item.Kind == TypingItemKind::Tab;
            }
            item.Prefill = std::move(prefill);
            prefill.clear();
            content.Items.push_back(std::move(item));
        }
    }
    if (content.Gaps.empty()) problems.Add(file, 0, "the text has no gap (\"&\")");
    return content;
}

std::optional<TypingContent> LoadTypingExercise(const std::string& programDir, std::string_view content, Problems& problems,
                                                const ContentPlace& place) {
    const std::string name = TypingFileName(content);
    if (TrimView(content).empty()) {
        NoteProblem(problems, place, "the type line names no exercise file");
        return std::nullopt;
    }
    try {
        auto file = OpenOptionalFile(programDir, name);
        if (!file) {
            NoteProblem(problems, place, "the exercise file \"" + name + "\" is missing");
            return std::nullopt;
        }
        return ReadTypingFile(file->Reader, problems);
    } catch (const FileError& error) {
        NoteProblem(problems, place, "the exercise file \"" + name + "\" cannot be read: " + error.what());
        return std::nullopt;
    }
}

void TypingGaps::Prepare(const TypingContent& content) {
    attempt_.Start();
    frame_ = FrameState();
    content_ = content;
    // An exercise without gaps (its file missing or empty) has nothing to check or record.
    frame_.CheckVisible = !content_.Gaps.empty();
    values_.clear();
    for (const TypingItem& item : content_.Items)
        values_.push_back(item.Kind != TypingItemKind::Gap ? item.Text : content_.BlankGaps ? std::string() : item.Prefill);
    results_.assign(content_.Gaps.size(), TypingGapResult());
    editGap_ = -1;
}

void TypingGaps::Store(std::string_view text, bool trim) {
    if (editGap_ < 0) return;
    values_[static_cast<size_t>(content_.Gaps[static_cast<size_t>(editGap_)].Item)] = trim ? Trim(text) : std::string(text);
}

std::string TypingGaps::OpenGap(int gap, std::string_view editText) {
    if (attempt_.Evaluated() || gap < 0 || static_cast<size_t>(gap) >= content_.Gaps.size()) return {};
    Store(editText, true);
    editGap_ = gap;
    std::string& value = values_[static_cast<size_t>(content_.Gaps[static_cast<size_t>(gap)].Item)];
    std::string text = std::move(value);
    value.clear();
    return text;
}

void TypingGaps::CloseGap(std::string_view editText) {
    Store(editText, true);
    editGap_ = -1;
}

void TypingGaps::EditChanged() {
    if (!attempt_.Evaluated() && !content_.Gaps.empty()) attempt_.Touch();
}

int TypingGaps::NextGap() const {
    if (editGap_ < 0 || content_.Gaps.empty()) return -1;
    return (editGap_ + 1) % static_cast<int>(content_.Gaps.size());
}

void TypingGaps::Check(std::string_view editText, bool caseSensitive) {
    if (attempt_.Evaluated() || content_.Gaps.empty()) return;
    Store(editText, false);
    editGap_ = -1;
    auto form = [caseSensitive](std::string_view text) { return caseSensitive ? Trim(text) : LowerCp1250(Trim(text)); };
    int right = 0;
    for (size_t g = 0; g < content_.Gaps.size(); ++g) {
        const TypingGap& gap = content_.Gaps[g];
        std::string& value = values_[static_cast<size_t>(gap.Item)];
        const std::string given = form(value);
        const bool ok = given == form(gap.Answer) || (!TrimView(gap.Alternative).empty() && given == form(gap.Alternative));
        results_[g].Right = ok;
        if (ok) {
            ++right;
        } else {
            results_[g].Given = value;
            value.clear();
        }
    }
    const int gapCount = static_cast<int>(content_.Gaps.size());
    if (right < gapCount)
        for (const TypingGap& gap : content_.Gaps) {
            std::string& value = values_[static_cast<size_t>(gap.Item)];
            if (!(!TrimView(gap.Alternative).empty() && value == gap.Alternative)) value = gap.Answer;
        }
    attempt_.Finish(right, gapCount - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

std::string TypingGaps::GapHint(int gap) const {
    if (gap < 0 || static_cast<size_t>(gap) >= results_.size() || results_[static_cast<size_t>(gap)].Right) return {};
    const std::string& given = results_[static_cast<size_t>(gap)].Given;
    return TrimView(given).empty() ? std::string(kNoAnswerHint) : YourAnswerHint(given);
}

std::string TypingGaps::PrintText() const {
    std::string out;
    const size_t n = values_.size();
    for (size_t k = 0; k < n; ++k) {
        const bool gap = content_.Items[k].Kind == TypingItemKind::Gap;
        out += gap && TrimView(values_[k]).empty() ? "__________" : values_[k];
        const bool glued = k + 2 < n && IsMark(TrimView(values_[k + 1]));
        if (!glued) out += ' ';
    }
    return out;
}

std::string TypingPrintDocument(const TypingGaps& exercise, std::string_view lessonName, std::string_view exerciseTitle,
                                std::string_view copyright) {
    std::string html = "<html><head></head><body>";
    html += "<BR><B>Quillan - Business English</b><BR>";
    html += "<B>" + std::string(lessonName) + "</B><BR>";
    html += "<B>" + std::string(exerciseTitle) + "</B><BR><BR>";
    html += exercise.PrintText();
    html += "<BR><BR>" + std::string(copyright) + "<br></body></html>";
    return html;
}

}  // namespace quillan
