#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan {

// Whole-file reading and writing. Paths are Windows paths (see paths.h).

// The bytes of a file. Throws FileError naming the file when it cannot be read.
std::string ReadWholeFile(std::string_view windowsPath);

// The bytes of a file, or nothing when it does not exist. Throws FileError when it exists but
// cannot be read.
std::optional<std::string> ReadFileIfExists(std::string_view windowsPath);

// Replaces the file with `bytes` so that it is either wholly old or wholly new: the bytes go
// to a temporary file beside it (its name + "." + six letters or digits), which is flushed to
// the disk and renamed over the old one. Throws FileError (and leaves the old file as it was)
// when any step fails.
void WriteFileAtomically(std::string_view windowsPath, std::string_view bytes);

// Removes the temporary files that WriteFileAtomically left beside the file when the program was
// killed during a save: regular files named as its temporaries and untouched for a minute (a
// save going on elsewhere keeps its own). Nothing else is touched; what cannot be removed stays.
void RemoveLeftoverTemporaries(std::string_view windowsPath);

}  // namespace quillan
