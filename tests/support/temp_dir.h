#pragma once

#include <string>

namespace quillan::test {

// A fresh directory removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory, ending in "/".
    const std::string& Path() const { return path_; }
    // Writes a file below the directory (parents created), bytes as given.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    // Reads a file below the directory; empty when missing.
    std::string Read(const std::string& relative) const;

private:
    std::string path_;
};

// Text with its LF line ends turned into CR LF, as the installation stores it.
std::string Crlf(const std::string& lf);

}  // namespace quillan::test
