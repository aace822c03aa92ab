#pragma once

#include "context/startup_state.h"
#include "dictionary/dictionary_index.h"

namespace quillan {

// The dictionary of an installation: the words of every word list "cw_r\*.bc4" (each with its
// example sentence and recording) and the entries of the glossary. Files that cannot be read
// are left out; the dictionary reports nothing.
DictionaryIndex BuildDictionary(const StartupState& state);

// A glossary text as plain words: line-break marks become blanks, tags and icon marks go.
std::string GlossaryPlainText(std::string_view text);

}  // namespace quillan
