#include "platform/user_dirs.h"

#include <unistd.h>

#include <cstdlib>

#include "platform/cp1250.h"
#include "platform/paths.h"

namespace quillan {

bool DirectoryWritable(std::string_view windowsPath) {
    return DirectoryExists(windowsPath) && access(NativePath(windowsPath).c_str(), W_OK | X_OK) == 0;
}

std::string UserDataHome() {
    // A relative XDG_DATA_HOME is not to be used, as the desktop's conventions say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return WithTrailingSeparator(Utf8ToCp1250(xdg));
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return WithTrailingSeparator(Utf8ToCp1250(home)) + ".local\\share\\";
    return {};
}

}  // namespace quillan
