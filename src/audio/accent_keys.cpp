#include "audio/accent_keys.h"

namespace quillan {
namespace {

char German(int key, bool shift) {
    switch (key) {
        case 'A': return static_cast<char>(shift ? 196 : 228);
        case 'E': return static_cast<char>(shift ? 203 : 235);
        case 'O': return static_cast<char>(shift ? 214 : 246);
        case 'S': return static_cast<char>(223);
        case 'U': return static_cast<char>(shift ? 220 : 252);
        default: return ' ';
    }
}

char French(int key) {
    switch (key) {
        case 'E': return static_cast<char>(231);
        case 'I': return static_cast<char>(238);
        case 'L': return static_cast<char>(251);
        case 'O': return static_cast<char>(244);
        case 'P': return static_cast<char>(249);
        case 'Q': return static_cast<char>(226);
        case 'R': return static_cast<char>(233);
        case 'T': return static_cast<char>(232);
        case 'U': return static_cast<char>(239);
        case 'W': return static_cast<char>(224);
        case 'Y': return static_cast<char>(234);
        default: return ' ';
    }
}

}  // namespace

void AccentKeys::TakeKeyDown(int key, bool shift, bool ctrl, bool alt) {
    PendingLetter = ' ';
    if (!ctrl || alt) return;  // Ctrl+Alt is the right Alt key of Polish keyboards
    if (courseVariant_ == 2) PendingLetter = German(key, shift);
    if (courseVariant_ == 3) PendingLetter = French(key);
}

}  // namespace quillan
