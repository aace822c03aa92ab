#pragma once

// The spoken recordings of the course, found in the course files themselves: the words and
// example sentences of the word lists, the practice, recording and gap sentences, the picture
// exercise's sentences, the dialogue lines, the curiosities, and the texts under demo/speech.

#include <string>
#include <vector>

namespace demo {

struct CourseSources;

struct Recording {
    std::string path;   // installation path, Windows style
    std::string text;   // English text to speak (UTF-8)
    std::string voice;  // espeak-ng voice
    int speed = 145;    // words per minute
};

std::vector<Recording> CourseRecordings(const CourseSources& sources);

// "media\bsgram\D_00\dd_001\00123.wav" for 123: the folder layout of numbered recordings.
std::string NumberedSoundPath(int number);

}  // namespace demo
