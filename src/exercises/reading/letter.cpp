#include "exercises/reading/letter.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/text_utils.h"

namespace quillan {

std::string TipsPageOf(const std::string& letterPage) {
    const size_t name = letterPage.find_last_of("\\/");
    const size_t from = name == std::string::npos ? 0 : name + 1;
    const size_t htm = letterPage.find(".htm", from);
    if (htm == std::string::npos) return letterPage;
    return letterPage.substr(0, htm) + "_instr" + letterPage.substr(htm);
}

int LetterGlossaryNumber(const Letter& letter, Messages* messages) {
    try {
        return IntOfTrimmed(letter.GlossaryNumber);
    } catch (const ConversionError& error) {
        if (messages) messages->Error(error.what());
        return 0;
    }
}

LetterReading::LetterReading(AppContext& context) : context_(context) {}

void LetterReading::Open(const std::string& exerciseId, const std::string& page, int glossaryNumber) {
    if (open_) Close();
    exerciseId_ = exerciseId;
    page_ = page;
    glossaryNumber_ = glossaryNumber;
    pageFound_ = FileExists(page);
    open_ = true;
}

void LetterReading::Close() {
    if (!open_) return;
    open_ = false;
    const ExerciseReport report{0, exerciseId_, 57, 1, 0, 0};
    FinishExercise(context_, pageFound_ ? &report : nullptr);
}

std::string LetterReading::Translation() const { return GlossaryText(context_.course.glossary, glossaryNumber_); }

}  // namespace quillan
