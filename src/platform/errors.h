#pragma once

#include <stdexcept>
#include <string>

namespace quillan {

// A text that should have been a number and is not. The text reads like the run-time
// library's conversion error: "'abc' is not a valid integer value".
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read or written.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quillan
