#include "progress/learner_file.h"

#include <algorithm>
#include <optional>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace quillan {

bool LearnerFile::SaveAllowed() const {
    switch (state) {
        case State::Missing:
        case State::Whole: return true;
        case State::Damaged: return !keptCopy.empty();
        case State::Unreadable: return false;
    }
    return false;
}

LoadedRecords LoadRecordFile(const std::string& path, size_t recordSize, size_t capacity, DayNumber now) {
    LoadedRecords loaded;
    LearnerFile& file = loaded.file;
    file.path = path;
    RemoveLeftoverTemporaries(path);

    std::optional<std::string> bytes;
    try {
        bytes = ReadFileIfExists(path);
    } catch (const FileError& e) {
        file.state = LearnerFile::State::Unreadable;
        file.error = e.what();
        return loaded;
    }
    if (!bytes) return loaded;

    file.fileRecords = bytes->size() / recordSize;
    file.trailingPart = bytes->size() % recordSize != 0;
    file.loadedRecords = std::min(file.fileRecords, capacity);
    file.state = file.trailingPart || file.fileRecords > capacity ? LearnerFile::State::Damaged
                                                                  : LearnerFile::State::Whole;
    if (file.state == LearnerFile::State::Damaged) {
        try {
            file.keptCopy = KeepDamagedCopy(path, *bytes, now);
        } catch (const FileError& e) {
            file.error = e.what();
        }
    }
    bytes->resize(file.loadedRecords * recordSize);
    loaded.bytes = std::move(*bytes);
    return loaded;
}

std::string KeepDamagedCopy(const std::string& path, std::string_view bytes, DayNumber now) {
    // The same damaged bytes found again (at every load until the file is saved) keep their copy.
    const std::string dir = DirectoryOf(path);
    for (const std::string& name : ListFilesStartingWith(dir, path.substr(dir.size()) + ".damaged-")) {
        try {
            if (ReadFileIfExists(dir + name) == bytes) return dir + name;
        } catch (const FileError&) {
            // A copy that cannot be read is no copy of these bytes.
        }
    }
    const std::string base = path + ".damaged-" + FormatDate(now);
    std::string copy = base;
    for (int n = 2; FileExists(copy); ++n) copy = base + "-" + std::to_string(n);
    WriteFileAtomically(copy, bytes);
    return copy;
}

void SaveRecordFile(const LearnerFile& file, std::string_view bytes) {
    if (!file.SaveAllowed())
        throw FileError(Utf8ToCp1250("Plik „" + NativePath(file.path) +
                                     "” nie został zapisany: przy wczytywaniu nie dało się go odczytać w całości, "
                                     "więc pozostaje bez zmian."));
    WriteFileAtomically(file.path, bytes);
}

std::string LoadProblemMessage(const LearnerFile& file, std::string_view fileName, std::string_view records,
                               size_t capacity) {
    if (file.LoadedWhole()) return {};
    const std::string name = "Plik " + std::string(fileName) + " „" + NativePath(file.path) + "”";
    const std::string keep = " Plik pozostaje bez zmian i nie będzie zapisywany. "
                             "Skontaktuj się z nauczycielem lub administratorem.";
    if (file.state == LearnerFile::State::Unreadable)
        return Utf8ToCp1250("Nie można odczytać pliku " + std::string(fileName) + " „" + NativePath(file.path) +
                            "” (" + file.error + ")." + keep);

    std::string problem;
    if (file.trailingPart) problem = "kończy się niepełnym rekordem";
    if (file.fileRecords > capacity) {
        if (!problem.empty()) problem += ", a ponadto ";
        problem += "liczba " + std::string(records) + " w pliku (" + std::to_string(file.fileRecords) +
                   ") przekracza " + std::to_string(capacity) + ", ile mieści program";
    }
    if (file.keptCopy.empty())
        return Utf8ToCp1250(name + " jest uszkodzony: " + problem + ". Nie udało się zapisać jego kopii (" +
                            file.error + ")." + keep);
    return Utf8ToCp1250(name + " jest uszkodzony: " + problem + ". Wczytano " + std::string(records) + ": " +
                        std::to_string(file.loadedRecords) + ". Oryginalny plik zachowano bez zmian jako „" +
                        NativePath(file.keptCopy) + "”; kolejne zapisy trafią do pliku „" +
                        NativePath(file.path) + "”.");
}

}  // namespace quillan
