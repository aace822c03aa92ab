#pragma once

#include <string>
#include <string_view>

namespace quillan {

// The places a desktop user may write to. Paths are Windows paths (see paths.h).

// True when the current user may create and replace files in the directory.
bool DirectoryWritable(std::string_view windowsPath);

// The user's own data directory of the desktop: $XDG_DATA_HOME when it is an absolute path,
// otherwise $HOME/.local/share; empty when neither can be had. Ends in a separator.
std::string UserDataHome();

}  // namespace quillan
