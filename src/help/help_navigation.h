#pragma once

#include <string>

namespace quillan {

// A help page's path split at "#": "...\Htm_r\h_comp.html#dialogi" is the file
// "...\Htm_r\h_comp.html" at the anchor "dialogi".
struct HelpTarget {
    std::string file;
    std::string anchor;
};
HelpTarget SplitHelpPath(const std::string& path);

// How deep the learner has gone from the page the help window was opened on, and which
// buttons that gives: back from the second step on; contents everywhere but on the contents
// page itself (a file whose name contains "h_index").
class HelpNavigation {
public:
    void Opened() { depth_ = 1; }
    void FollowedLink() { ++depth_; }
    void WentBack() { --depth_; }
    int Depth() const { return depth_; }
    bool BackShown() const { return depth_ >= 2; }
    static bool ContentsShown(const std::string& pageFile);

private:
    int depth_ = 0;
};

}  // namespace quillan
