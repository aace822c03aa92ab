#pragma once

#include "text/numbered_texts.h"

namespace quillan {

// Every table of the course data files, loaded once at start and read-only afterwards
// (the interface-language tables are reloaded when the language changes).
struct Course {
    InterfaceTexts interfaceTexts;  // "infa_r.txt" of LangDir
    Glossary glossary;              // "slowniczek.txt"
};

}  // namespace quillan
