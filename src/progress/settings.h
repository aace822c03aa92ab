#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "progress/repetitions.h"

namespace quillan {

// The signed-in learner's settings, kept in his directory as fourteen lines of text.
struct Settings {
    int LangIndex = 0;                       // interface language: "Lang_r\" + number + "\"
    bool CaseSensitive = true;               // answers are compared with letter case
    bool SentenceDragDrop = true;            // sentences are built by dragging words
    bool TypingAfterOthers = false;          // a text's typing exercise opens after the others
    bool ShowSentenceTipOnce = true;         // the sentence tip after the first wrong check
    bool UseVocabularyDictionary = true;     // kept in the file only
    bool ShowTipOnce = true;                 // the tip of the first text exercise opened
    bool Animations = true;                  // kept in the file only
    bool RepetitionsOn = true;               // new repetitions are scheduled
    int RepetitionThreshold = 61;            // a result above this takes an exercise off the list
    int FirstRepetitionInterval = 3;         // days
    bool RepetitionsWhenInterrupted = false; // also exercises left before their end
    bool ShowLetterCount = true;             // vocabulary shows the length of the answer

    bool operator==(const Settings&) const = default;
};

// "ustaw_" + the results file name + ".txt", in the learner's directory.
std::string SettingsPath(const std::string& resultsDirectory, const std::string& courseFileId);

// The file's text: fourteen lines ended by CR LF; line 3 is always "N".
std::string FormatSettings(const Settings& settings);
// Reads the text of a settings file. Line 1 and lines 10 to 13 must be numbers (an empty line
// 10 to 13 counts as 0); otherwise throws ConversionError. A switch is on only when its line is
// exactly "T" (lines 2, 4 to 9, 14) or the number 1 (lines 10, 13) after trimming.
Settings ParseSettings(std::string text);

// The file, or nothing when there is none.
std::optional<Settings> ReadSettingsFile(const std::string& path);
// Replaces the file atomically.
void WriteSettingsFile(const std::string& path, const Settings& settings);

// The learner's settings: read from the file, or, when there is none, the defaults with the
// given language, written to the file at once. Temporaries of an interrupted save go first.
Settings LoadSettings(const std::string& path, int newLearnerLanguage);

// What the repetitions read of the settings.
RepetitionSettings RepetitionSettingsOf(const Settings& settings);

// The checks of the settings window on its two number fields, in the window's order: each
// text (trimmed) must be digits only (an empty text passes and counts as 0), then each value
// must be from 1 to 100. Gives the number of the interface text to show (124 threshold not
// digits, 125 interval not digits, 126 threshold out of range, 127 interval out of range), or
// 0 when both are right.
int RepetitionFieldsProblem(std::string_view thresholdText, std::string_view intervalText);

// One item of the interface-language list.
struct LanguageItem {
    std::string Name;  // "polski", "english"
    int Number = 0;    // the N of "Lang_r\N"
};

// The languages installed under programDir: "polski" when "Lang_r\0" exists, "english" when
// "Lang_r\1" does.
std::vector<LanguageItem> LanguageList(const std::string& programDir);
// The directory "Lang_r\" + number exists under programDir.
bool LanguageInstalled(const std::string& programDir, int number);

}  // namespace quillan
