#include "session/unsent_results.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"

namespace quillan {
namespace {

bool SameExercise(const CW_Info& a, const CW_Info& b) { return a.Id == b.Id && a.Kind == b.Kind && a.Key == b.Key; }

std::vector<CW_Info> Kept(const std::string& path) {
    const auto bytes = ReadFileIfExists(path);
    return bytes ? DecodeResults(*bytes) : std::vector<CW_Info>{};
}

void Keep(const std::string& path, const std::vector<CW_Info>& records) {
    if (records.empty()) {
        std::error_code ignored;
        std::filesystem::remove(NativePath(path), ignored);
        return;
    }
    WriteFileAtomically(path, EncodeResults(records));
}

}  // namespace

std::string UnsentResultsPath(const std::string& classroomDirectory, std::string_view user) {
    // The name in hexadecimal: a user name may hold anything a file name may not.
    static const char kDigits[] = "0123456789abcdef";
    std::string name = "unsent_";
    for (const unsigned char c : user) {
        name += kDigits[c >> 4];
        name += kDigits[c & 15];
    }
    return classroomDirectory + name;
}

void KeepUnsentResult(const std::string& path, const CW_Info& record) {
    std::vector<CW_Info> records = Kept(path);
    std::erase_if(records, [&record](const CW_Info& kept) { return SameExercise(kept, record); });
    records.push_back(record);
    Keep(path, records);
}

int SendUnsentResults(const std::string& path, const std::function<bool(const CW_Info&)>& send) {
    std::vector<CW_Info> records = Kept(path);
    if (records.empty()) return 0;
    // Sent in order until the server cannot be reached: the rest then waits for the next time.
    size_t sent = 0;
    while (sent < records.size() && send(records[sent])) ++sent;
    if (sent == 0) return 0;
    records.erase(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(sent));
    Keep(path, records);
    return static_cast<int>(sent);
}

}  // namespace quillan
