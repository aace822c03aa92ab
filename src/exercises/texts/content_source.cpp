#include "exercises/texts/content_source.h"

#include "text/text_utils.h"

namespace quillan {

std::string_view TypeLineContent(std::string_view typeLine) {
    const size_t skip = typeLine.substr(0, 4) == "ZDD#" ? 4 : 3;
    return typeLine.size() <= skip ? std::string_view() : typeLine.substr(skip);
}

std::string YourAnswerHint(std::string_view given) { return "Your answer: " + std::string(given); }

bool TerminatedFields::AtEnd() const { return TrimView(rest_).empty(); }

std::string_view TerminatedFields::Next() {
    const size_t end = rest_.find(separator_);
    std::string_view field;
    if (end == std::string_view::npos) {
        field = rest_;
        rest_ = {};
        unterminated_ = true;
    } else {
        field = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
    }
    return field;
}

}  // namespace quillan
