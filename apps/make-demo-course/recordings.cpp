#include "recordings.h"

#include <cstdio>
#include <map>

#include "source_text.h"
#include "sources.h"

namespace demo {
namespace {

// Markers of the course texts do not belong in speech: "<key> word" and "+" joins.
std::string Spoken(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '<' || c == '>') continue;
        out += c == '+' ? ' ' : c;
    }
    return Trim(out);
}

// Files of the sources whose path starts with `folder` and ends with `ext`.
std::vector<const std::pair<const std::string, std::string>*> FilesIn(const CourseSources& sources, const std::string& folder,
                                                                      const std::string& ext) {
    std::vector<const std::pair<const std::string, std::string>*> found;
    for (const auto& entry : sources.files)
        if (entry.first.rfind(folder, 0) == 0 && entry.first.size() > ext.size() &&
            entry.first.compare(entry.first.size() - ext.size(), ext.size(), ext) == 0)
            found.push_back(&entry);
    return found;
}

// The voices of the dialogue roles A..E.
const char* RoleVoice(int speaker) {
    static const char* voices[] = {"en-gb+f3", "en-gb+m3", "en-us+m4", "en-us+f4", "en-gb+m7"};
    return voices[(speaker < 1 || speaker > 5) ? 0 : speaker - 1];
}

void WordLists(const CourseSources& sources, std::vector<Recording>& out) {
    for (const auto* file : FilesIn(sources, "cw_r\\", ".bc4")) {
        const std::vector<std::string> lines = Lines(file->second);
        for (size_t i = 10; i < lines.size(); ++i) {
            const std::string line = Trim(lines[i]);
            const size_t eq = line.find('=');
            if (line.size() <= 7 || eq == std::string::npos || eq < 14) continue;
            const std::vector<std::string> fields = Fields(line);
            if (fields.size() < 6) continue;
            const std::string headword = Spoken(line.substr(13, eq - 14));
            const std::string ref = Trim(fields[5]);
            const int id = Number(line.substr(4, 5));
            const Recording r{line[3] == '1' ? "Nagrania\\" + ref : NumberedSoundPath(Number(ref)), headword, "en-gb",
                              id >= 60000 ? 140 : 125};
            if (line[3] == '1' ? !ref.empty() : Number(ref) > 0) out.push_back(r);
        }
    }
}

void PracticeSentences(const CourseSources& sources, std::vector<Recording>& out) {
    if (const std::string* text = SourceFile(sources, "zda_rozum.txt"))
        for (const std::string& line : Lines(*text)) {
            if (line.size() <= 16) continue;
            const std::vector<std::string> fields = Fields(line.substr(16));
            if (fields.size() > 4 && !Trim(fields[4]).empty())
                out.push_back({"media\\bsgram\\" + Trim(fields[4]), Spoken(fields[0]), "en-gb", 140});
        }
}

void PictureSentences(const CourseSources& sources, std::vector<Recording>& out) {
    if (const std::string* text = SourceFile(sources, "rozum_pig.txt"))
        for (const std::string& line : Lines(*text)) {
            if (line.rfind("//", 0) == 0) continue;
            const std::vector<std::string> fields = Fields(line);
            if (fields.size() > 3 && !Trim(fields[1]).empty())
                out.push_back({"rozumienia_wav_r\\" + Trim(fields[1]) + ".wav", Spoken(fields[3]), "en-us", 140});
        }
}

void RecordingSentences(const CourseSources& sources, std::vector<Recording>& out) {
    if (const std::string* text = SourceFile(sources, "kurs.zdn"))
        for (const std::string& line : Lines(*text)) {
            if (line.size() <= 6) continue;
            const std::vector<std::string> fields = Fields(line.substr(6));
            if (fields.size() > 1 && !Trim(fields[0]).empty())
                out.push_back({"media\\bsgram\\sample\\" + Trim(fields[0]) + ".wav", Spoken(fields[1]), "en-gb", 140});
        }
}

void GapSentences(const CourseSources& sources, std::vector<Recording>& out) {
    if (const std::string* text = SourceFile(sources, "kurs.zdd"))
        for (const std::string& line : Lines(*text)) {
            if (line.size() <= 6 || Number(line.substr(0, 5)) <= 0) continue;
            out.push_back({NumberedSoundPath(Number(line.substr(0, 5))), Spoken(Fields(line.substr(6))[0]), "en-gb", 140});
        }
}

void Dialogues(const CourseSources& sources, std::vector<Recording>& out) {
    const std::string* text = SourceFile(sources, "dialogi.txt");
    if (!text) return;
    bool header = true;
    for (const std::string& raw : Lines(*text)) {
        const std::string line = Trim(raw);
        if (line == "*") {
            header = true;
            continue;
        }
        if (header) {
            header = false;
            continue;
        }
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() < 3 || Trim(fields[0]).empty()) continue;
        const size_t colon = fields[2].find(':');
        const std::string utterance = colon == std::string::npos ? fields[2] : fields[2].substr(colon + 1);
        out.push_back({"media\\Dialogi\\" + Trim(fields[0]) + ".wav", Spoken(utterance), RoleVoice(Number(fields[1])), 150});
    }
}

void Curiosities(const CourseSources& sources, std::vector<Recording>& out) {
    const std::string* text = SourceFile(sources, "kurs.fre");
    if (!text) return;
    std::string number, spoken;
    auto flush = [&] {
        if (!number.empty() && !Trim(spoken).empty()) out.push_back({"Ciekaw_wav_r\\" + number + ".wav", Trim(spoken), "en-gb", 150});
        spoken.clear();
    };
    for (const std::string& line : Lines(*text)) {
        if (line.rfind("***", 0) == 0) {
            flush();
            number = Trim(line.substr(3));
            continue;
        }
        size_t start = 0;
        while (start <= line.size()) {
            size_t end = line.find(' ', start);
            if (end == std::string::npos) end = line.size();
            const std::string word = line.substr(start, end - start);
            const bool tag = (!word.empty() && word[0] == '<' && word.find('>') != std::string::npos) || word.rfind("[TAB=", 0) == 0;
            if (!word.empty() && !tag) spoken += word + " ";
            start = end + 1;
        }
    }
    flush();
}

}  // namespace

std::string NumberedSoundPath(int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", number);
    const std::string d = digits;
    return "media\\bsgram\\D_" + d.substr(0, 2) + "\\dd_" + d.substr(0, 3) + "\\" + d + ".wav";
}

std::vector<Recording> CourseRecordings(const CourseSources& sources) {
    std::vector<Recording> found;
    WordLists(sources, found);
    PracticeSentences(sources, found);
    PictureSentences(sources, found);
    RecordingSentences(sources, found);
    GapSentences(sources, found);
    Dialogues(sources, found);
    Curiosities(sources, found);
    for (const auto& [path, text] : sources.speech) found.push_back({path, text, "en-gb", 150});
    // One recording per file: a later source of the same file wins.
    std::map<std::string, Recording> unique;
    for (Recording& r : found) unique[r.path] = std::move(r);
    std::vector<Recording> result;
    for (auto& [path, r] : unique) result.push_back(std::move(r));
    return result;
}

}  // namespace demo
