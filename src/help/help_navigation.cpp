#include "help/help_navigation.h"

#include "text/text_utils.h"

namespace quillan {

HelpTarget SplitHelpPath(const std::string& path) {
    const size_t hash = path.find('#');
    if (hash == std::string::npos) return {path, {}};
    return {path.substr(0, hash), path.substr(hash + 1)};
}

bool HelpNavigation::ContentsShown(const std::string& pageFile) {
    const size_t slash = pageFile.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? pageFile : pageFile.substr(slash + 1);
    return LowerAscii(name).find("h_index") == std::string::npos;
}

}  // namespace quillan
