#include "exercises/texts/gap_text.h"

namespace quillan {

GapTokenList ParseGapText(std::string_view content, Problems& problems, const ContentPlace& place) {
    GapTokenList list;
    TerminatedFields sentences(content, '=');
    int number = 0;
    while (!sentences.AtEnd()) {
        const std::string_view sentence = sentences.Next();
        ++number;
        if (sentences.Unterminated()) NoteProblem(problems, place, "sentence " + std::to_string(number) + " is not closed by \"=\"");
        if (number > kGapTextSentenceLimit) {
            if (number == kGapTextSentenceLimit + 1)
                NoteProblem(problems, place,
                            "the window holds " + std::to_string(kGapTextSentenceLimit) + " sentences: sentence " +
                                std::to_string(number) + " and those after it are left out");
            continue;
        }
        AppendSentence(list, sentence, ItalicTags::GapText, problems, place);
    }
    if (list.Gaps.size() < 2)
        NoteProblem(problems, place, "the gap text needs at least two gaps; it has " + std::to_string(list.Gaps.size()));
    return list;
}

void GapText::Prepare(const GapTokenList& list) {
    attempt_.Start();
    frame_ = FrameState();
    board_.Prepare(list, random_);
}

bool GapText::StartDrag(int label) {
    if (attempt_.Evaluated() || label < 0 || label >= board_.GapCount()) return false;
    attempt_.Touch();
    return true;
}

void GapText::DropOnGap(int label, int gap) {
    if (!attempt_.Evaluated()) board_.DropOnGap(label, gap);
}

void GapText::SendHome(int label) {
    if (!attempt_.Evaluated()) board_.SendHome(label);
}

void GapText::Check() {
    if (attempt_.Evaluated()) return;
    const int right = board_.Check();
    attempt_.Finish(right, board_.GapCount() - right);
    frame_.CheckVisible = false;
    frame_.AgainVisible = true;
    frame_.GaugeVisible = true;
    frame_.Percent = attempt_.Percent();
}

}  // namespace quillan
