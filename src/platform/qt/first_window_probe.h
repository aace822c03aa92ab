#pragma once

class QWidget;

namespace quillan {

// The start-up measurement: when the environment variable QUILLAN_FIRST_WINDOW_PROBE is set, the
// program ends as soon as `window` (the first window a learner sees) has been painted, after
// printing on standard output "first window painted after N ms, drawn F times its size" (F the
// scale of large screens, 1.00 without). N counts from the moment
// the variable names (a CLOCK_MONOTONIC time in nanoseconds, as a benchmark that starts the
// program gives it) or, for any other value, from the start of the process. Does nothing when
// the variable is not set.
void ExitAfterFirstPaintWhenProbed(QWidget& window);

}  // namespace quillan
