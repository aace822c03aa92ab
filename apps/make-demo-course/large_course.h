#pragma once

// The --large installation: the demo course with every course table filled to the limits of
// the data model, for benchmarks.

namespace demo {

struct CourseSources;

void AddLargeCourse(CourseSources& sources);

}  // namespace demo
