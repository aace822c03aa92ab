#include "app/learners.h"

#include <algorithm>
#include <climits>
#include <set>

#include "course/data_errors.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {

LearnerList ReadLearners(LineReader& file) {
    LearnerList learners;
    while (!file.Eof()) {
        const std::string_view line = TrimView(file.ReadLineView());
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        int number = 0;
        try {
            number = StrToInt(line.substr(0, eq));
        } catch (const ConversionError& error) {
            throw DataLineError({"usr.t", file.LineNumber(), error.what()});
        }
        learners.push_back({number, Trim(line.substr(eq + 1))});
    }
    return learners;
}

LearnerList LoadLearners(const std::string& dataDir) {
    auto file = LineReader::OpenIfExists(dataDir + "usr.t");
    return file ? ReadLearners(*file) : LearnerList{};
}

std::string LearnersText(const LearnerList& learners) {
    std::string text;
    for (const LearnerEntry& learner : learners) text += std::to_string(learner.Number) + "=" + Trim(learner.Name) + "\r\n";
    return text;
}

void SaveLearners(const std::string& dataDir, const LearnerList& learners) {
    WriteFileAtomically(dataDir + "usr.t", LearnersText(learners));
}

bool NameLongEnough(std::string_view typedName) { return TrimView(typedName).size() > 1; }

int AddLearner(LearnerList& learners, std::string_view typedName) {
    const std::string name = Trim(typedName);
    const std::string lower = LowerCp1250(name);
    int highest = 0;
    std::set<int> taken;
    for (const LearnerEntry& learner : learners) {
        if (LowerCp1250(learner.Name) == lower) return 0;
        highest = std::max(highest, learner.Number);
        taken.insert(learner.Number);
    }
    int number = 1;
    if (highest < INT_MAX)
        number = highest + 1;
    else  // an edited "usr.t" took the last number: the first free one
        while (taken.count(number)) ++number;
    learners.push_back({number, name});
    return static_cast<int>(learners.size());
}

std::string LearnerDirectory(const std::string& dataDir, const LearnerEntry& learner) {
    return WithTrailingSeparator(dataDir + std::to_string(learner.Number));
}

}  // namespace quillan
