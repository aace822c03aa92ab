#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

// The folders of src/ are layers: a folder includes only folders below it. These tests read
// every include line of src/ and fail on an arrow that points up.

namespace fs = std::filesystem;

namespace {

// The folder a path under src/ belongs to: its first directory, and for the exercise families
// the family ("exercises/vocab"); files directly in exercises/ form the folder "exercises".
std::string FolderOf(const std::string& relative) {
    const size_t slash = relative.find('/');
    if (slash == std::string::npos) return {};
    const std::string top = relative.substr(0, slash);
    if (top != "exercises") return top;
    const size_t second = relative.find('/', slash + 1);
    return second == std::string::npos ? top : relative.substr(0, second);
}

struct Include {
    std::string file;  // relative to src/
    std::string target;
};

// The arrows between folders, each with the first include that makes it.
std::map<std::string, std::map<std::string, Include>> FolderGraph() {
    const fs::path src = fs::path(QUILLAN_SOURCE_DIR) / "src";
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::map<std::string, std::map<std::string, Include>> graph;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string file = fs::relative(entry.path(), src).generic_string();
        const std::string from = FolderOf(file);
        std::ifstream in(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (!std::regex_search(line, match, include)) continue;
            const std::string to = FolderOf(match[1].str());
            if (to.empty() || to == from || !fs::exists(src / match[1].str())) continue;
            graph[from].try_emplace(to, Include{file, match[1].str()});
        }
    }
    return graph;
}

// The floors from the bottom. The shared windows (controls to forms) see only the start-up
// state and the services; the whole context (session) sits above the course and the learner's
// files and the classroom client, and is taken by the chart, the exercise families and app, the
// top floor.
const std::vector<std::string> kFloors = {
    "platform",        "text",            "context",             "controls",          "help",
    "audio",           "guidance",        "forms",               "course",            "progress",
    "classroom",       "session",         "chart",               "exercises/vocab",   "exercises/texts",
    "exercises/sentences", "exercises/reading", "exercises/dialogues", "dictionary", "exercises",
    "app"};

TEST(Layers, EveryIncludePointsDown) {
    const auto floorOf = [](const std::string& folder) {
        return std::find(kFloors.begin(), kFloors.end(), folder) - kFloors.begin();
    };
    for (const auto& [from, arrows] : FolderGraph()) {
        ASSERT_LT(floorOf(from), static_cast<long>(kFloors.size())) << "src/" << from << " is on no floor";
        for (const auto& [to, include] : arrows)
            EXPECT_LT(floorOf(to), floorOf(from)) << include.file << " includes " << include.target;
    }
}

TEST(Layers, NoFoldersIncludeEachOtherEvenThroughOthers) {
    const auto graph = FolderGraph();
    std::map<std::string, int> state;  // 1 on the current path, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> visit = [&](const std::string& folder) {
        state[folder] = 1;
        path.push_back(folder);
        const auto arrows = graph.find(folder);
        if (arrows != graph.end()) {
            for (const auto& [to, include] : arrows->second) {
                if (state[to] == 1) {
                    std::string cycle;
                    for (auto it = std::find(path.begin(), path.end(), to); it != path.end(); ++it) cycle += *it + " -> ";
                    ADD_FAILURE() << "folders include each other: " << cycle << to << " (" << include.file
                                  << " includes " << include.target << ")";
                } else if (state[to] == 0) {
                    visit(to);
                }
            }
        }
        path.pop_back();
        state[folder] = 2;
    };
    for (const auto& [folder, arrows] : graph)
        if (state[folder] == 0) visit(folder);
}

}  // namespace
