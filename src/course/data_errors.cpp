#include "course/data_errors.h"

namespace quillan {

DataLineError::DataLineError(DataPlace place)
    : ConversionError(place.File + ":" + std::to_string(place.Line) + ": " + place.Detail), place_(std::move(place)) {}

DataFileError::DataFileError(DataPlace place) : FileError(place.Detail), place_(std::move(place)) {}

CourseStop::CourseStop(DataPlace place) : std::runtime_error(place.Detail), place_(std::move(place)) {}

}  // namespace quillan
