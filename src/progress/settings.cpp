#include "progress/settings.h"

#include <algorithm>

#include "platform/files.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

bool Switch(std::string_view line) { return TrimView(line) == "T"; }
bool NumberSwitch(std::string_view line) { return IntOfTrimmed(line) == 1; }
const char* TN(bool on) { return on ? "T" : "N"; }

bool DigitsOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a field that passed DigitsOnly; very long numbers are simply out of range.
long long FieldValue(std::string_view digits) {
    if (digits.size() > 9) return 1000000000;
    long long value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

std::string SettingsPath(const std::string& resultsDirectory, const std::string& courseFileId) {
    return resultsDirectory + "ustaw_" + courseFileId + ".txt";
}

std::string FormatSettings(const Settings& s) {
    std::string text;
    auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line(std::to_string(s.LangIndex));
    line(TN(s.CaseSensitive));
    line("N");
    line(TN(s.SentenceDragDrop));
    line(TN(s.TypingAfterOthers));
    line(TN(s.ShowSentenceTipOnce));
    line(TN(s.UseVocabularyDictionary));
    line(TN(s.ShowTipOnce));
    line(TN(s.Animations));
    line(s.RepetitionsOn ? "1" : "0");
    line(std::to_string(s.RepetitionThreshold));
    line(std::to_string(s.FirstRepetitionInterval));
    line(s.RepetitionsWhenInterrupted ? "1" : "0");
    line(TN(s.ShowLetterCount));
    return text;
}

Settings ParseSettings(std::string text) {
    LineReader lines(std::move(text));
    Settings s;
    s.LangIndex = StrToInt(Trim(lines.ReadLine()));
    s.CaseSensitive = Switch(lines.ReadLine());
    lines.ReadLine();
    s.SentenceDragDrop = Switch(lines.ReadLine());
    s.TypingAfterOthers = Switch(lines.ReadLine());
    s.ShowSentenceTipOnce = Switch(lines.ReadLine());
    s.UseVocabularyDictionary = Switch(lines.ReadLine());
    s.ShowTipOnce = Switch(lines.ReadLine());
    s.Animations = Switch(lines.ReadLine());
    s.RepetitionsOn = NumberSwitch(lines.ReadLine());
    s.RepetitionThreshold = IntOfTrimmed(lines.ReadLine());
    s.FirstRepetitionInterval = IntOfTrimmed(lines.ReadLine());
    s.RepetitionsWhenInterrupted = NumberSwitch(lines.ReadLine());
    s.ShowLetterCount = Switch(lines.ReadLine());
    return s;
}

std::optional<Settings> ReadSettingsFile(const std::string& path) {
    std::optional<std::string> text = ReadFileIfExists(path);
    if (!text) return std::nullopt;
    return ParseSettings(std::move(*text));
}

void WriteSettingsFile(const std::string& path, const Settings& settings) {
    WriteFileAtomically(path, FormatSettings(settings));
}

Settings LoadSettings(const std::string& path, int newLearnerLanguage) {
    RemoveLeftoverTemporaries(path);
    if (std::optional<Settings> read = ReadSettingsFile(path)) return *read;
    Settings defaults;
    defaults.LangIndex = newLearnerLanguage;
    WriteSettingsFile(path, defaults);
    return defaults;
}

RepetitionSettings RepetitionSettingsOf(const Settings& s) {
    return {s.RepetitionsOn, s.RepetitionThreshold, s.FirstRepetitionInterval, s.RepetitionsWhenInterrupted};
}

int RepetitionFieldsProblem(std::string_view thresholdText, std::string_view intervalText) {
    const std::string_view threshold = TrimView(thresholdText), interval = TrimView(intervalText);
    if (!DigitsOnly(threshold)) return 124;
    if (!DigitsOnly(interval)) return 125;
    const long long thresholdValue = FieldValue(threshold), intervalValue = FieldValue(interval);
    if (thresholdValue < 1 || thresholdValue > 100) return 126;
    if (intervalValue < 1 || intervalValue > 100) return 127;
    return 0;
}

std::vector<LanguageItem> LanguageList(const std::string& programDir) {
    std::vector<LanguageItem> items;
    for (int n = 0; n <= 1; ++n)
        if (LanguageInstalled(programDir, n)) items.push_back({n == 0 ? "polski" : "english", n});
    return items;
}

bool LanguageInstalled(const std::string& programDir, int number) {
    return number >= 0 && DirectoryExists(programDir + "Lang_r\\" + std::to_string(number));
}

}  // namespace quillan
