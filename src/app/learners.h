#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/line_reader.h"

namespace quillan {

// The local learners of an installation, kept in "usr.t": one "number=name" per line.
struct LearnerEntry {
    int Number = 0;
    std::string Name;

    bool operator==(const LearnerEntry&) const = default;
};
using LearnerList = std::vector<LearnerEntry>;

// Lines are trimmed; a line without "=" is skipped; the number must be a number (otherwise a
// ConversionError naming "usr.t" and the line); the name is trimmed.
LearnerList ReadLearners(LineReader& file);
// The learners of "usr.t" in `dataDir` (the installation's LearnerDataDir); none when it is missing.
LearnerList LoadLearners(const std::string& dataDir);
// The text of "usr.t" for the list: "number=name" and CR LF per learner.
std::string LearnersText(const LearnerList& learners);
// Rewrites "usr.t" in `dataDir` with the whole list, atomically.
void SaveLearners(const std::string& dataDir, const LearnerList& learners);

// A typed name is accepted once, trimmed, it is longer than one character.
bool NameLongEnough(std::string_view typedName);

// Appends a learner with the trimmed name and the next number (the highest + 1, so 1 for the
// first; the smallest unused positive number when the highest is the largest int). Gives the 1-based position of the new entry, or 0 when a learner of that name exists
// already in any letter case (nothing is added then).
int AddLearner(LearnerList& learners, std::string_view typedName);

// `dataDir` (the installation's LearnerDataDir) + the learner's number + "\".
std::string LearnerDirectory(const std::string& dataDir, const LearnerEntry& learner);

}  // namespace quillan
