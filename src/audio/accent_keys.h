#pragma once

namespace quillan {

// Ctrl plus a letter types a letter the keyboard lacks, in the courses of other languages
// (German: CourseVariant 2, French: 3). This course (1) changes no key. Letters are
// Windows-1250 bytes.
class AccentKeys {
public:
    explicit AccentKeys(int courseVariant = 1) : courseVariant_(courseVariant) {}

    // At every key-down of a typing field: `key` is the key's letter in upper case ('A'..'Z',
    // as the key codes of both Windows and Qt give it).
    void TakeKeyDown(int key, bool shift, bool ctrl, bool alt);

    // At the key-press that follows: the typed character, or the accented letter instead.
    char TakeKeyPress(char typed) const { return PendingLetter != ' ' ? PendingLetter : typed; }

    // ' ' when none.
    char PendingLetter = ' ';

    // Whether a field in which a key pressed with Ctrl types nothing still types the pending
    // letter: it does for the German course's letters only, not for the French course's.
    bool TypedDespiteCtrl() const { return courseVariant_ == 2 && PendingLetter != ' '; }

private:
    int courseVariant_;
};

}  // namespace quillan
