#pragma once

#include <string>

namespace quillan {

struct AppContext;
struct Letter;
class Messages;

// The tips page of a letter page: "_instr" in front of the first ".htm" of the page's file name
// ("Listy_r\list1.htm" gives "Listy_r\list1_instr.htm"); the page itself when its name has
// none. The directories do not count, whatever they are called.
std::string TipsPageOf(const std::string& letterPage);

// The glossary entry that holds a letter's translation (the fourth field of its line in the
// letters list); 0 (none) when the field is empty, and when it is no number, which `messages`
// tells.
int LetterGlossaryNumber(const Letter& letter, Messages* messages);

// The letter window (kind 57): a business letter as an HTML page, with its tips page, its
// translation from the glossary and a printout. It records the exercise as done, with 0
// percent, when it closes after showing the letter; a letter whose page is missing is not done.
class LetterReading {
public:
    explicit LetterReading(AppContext& context);

    // OpenLetter: the page (a Windows path) and its glossary entry (below 1: none).
    void Open(const std::string& exerciseId, const std::string& page, int glossaryNumber);
    void Close();
    bool IsOpen() const { return open_; }
    // The page exists, so the letter is shown.
    bool PageFound() const { return pageFound_; }

    const std::string& Page() const { return page_; }
    int GlossaryNumber() const { return glossaryNumber_; }
    // btn_tlumacz shows when the letter has a glossary entry.
    bool TranslationShown() const { return glossaryNumber_ >= 1; }
    std::string Translation() const;
    std::string TipsPage() const { return TipsPageOf(page_); }
    const std::string& ExerciseId() const { return exerciseId_; }

private:
    AppContext& context_;
    std::string exerciseId_;
    std::string page_;
    int glossaryNumber_ = 0;
    bool open_ = false;
    bool pageFound_ = false;
};

}  // namespace quillan
