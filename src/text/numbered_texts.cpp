#include "text/numbered_texts.h"

namespace quillan {

std::string UiText(const InterfaceTexts& texts, int n) {
    if (n < 1 || static_cast<size_t>(n) > texts.size()) return {};
    return texts[static_cast<size_t>(n) - 1];
}

std::string GlossaryText(const Glossary& glossary, int number) {
    for (auto it = glossary.rbegin(); it != glossary.rend(); ++it)
        if (it->Number == number) return it->Text;
    return {};
}

}  // namespace quillan
