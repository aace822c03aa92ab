#pragma once

#include <string>
#include <string_view>

namespace quillan {

// How typed answers and shown sentences are tidied before they are compared or shown.

// No blank before the separator, exactly one blank after it, runs of blanks collapsed, no
// blanks at either end. With a blank as separator, runs of blanks become one blank.
// "a ,b , c" with "," gives "a, b, c"; "well-known" with "-" gives "well- known".
std::string NormalizeSpacing(std::string_view text, char separator);

// Trimmed, then NormalizeSpacing with a blank, ",", ";", ".", "!", ":" and "-" in that order:
// both sides of a typed-answer comparison pass through it.
std::string NormalizeAnswer(std::string_view text);

// Every "<" and ">" removed, then blanks normalised: "I <have> been" gives "I have been".
std::string StripMarkers(std::string_view text);

}  // namespace quillan
