#pragma once

#include <stdexcept>
#include <string>

#include "platform/errors.h"

namespace quillan {

// Where in the course data an error was found.
struct DataPlace {
    std::string File;    // relative to ProgramDir, as the program names the file
    int Line = 0;        // 0: the file as a whole
    std::string Detail;  // the error itself
};

// A number field that is not a number, reported with its file and line:
// "kurs_cwicz.vrk:12: 'x' is not a valid integer value". Still a ConversionError, so it stops
// the load like any failed conversion.
class DataLineError : public ConversionError {
public:
    explicit DataLineError(DataPlace place);
    const DataPlace& Place() const { return place_; }

private:
    DataPlace place_;
};

// A course file that cannot be opened or read (a required file that is missing).
class DataFileError : public FileError {
public:
    explicit DataFileError(DataPlace place);
    const DataPlace& Place() const { return place_; }

private:
    DataPlace place_;
};

// Data the program cannot run with: its text (Place().Detail, also what()) is shown as a
// message and the program ends.
class CourseStop : public std::runtime_error {
public:
    explicit CourseStop(DataPlace place);
    const DataPlace& Place() const { return place_; }

private:
    DataPlace place_;
};

}  // namespace quillan
