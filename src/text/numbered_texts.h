#pragma once

#include <string>
#include <vector>

namespace quillan {

// Interface texts of "infa_r.txt", in file order (entry 1 is the first line).
using InterfaceTexts = std::vector<std::string>;

struct GlossaryEntry {
    int Number = 0;
    std::string Text;
};
using Glossary = std::vector<GlossaryEntry>;

// The text of entry n (by position in the file, not the number written on the line); empty
// for a position below 1 or beyond the table.
std::string UiText(const InterfaceTexts& texts, int n);

// The text of the glossary entry numbered `number` (the last one when several are); empty when
// none is.
std::string GlossaryText(const Glossary& glossary, int number);

}  // namespace quillan
