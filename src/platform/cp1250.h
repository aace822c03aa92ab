#pragma once

#include <string>
#include <string_view>

namespace quillan {

// Windows-1250 <-> UTF-8. The program keeps every text as Windows-1250 bytes, exactly as read
// from the installation; these two functions are its only way in and out of Unicode.
//
// Bytes that Windows-1250 leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) decode to U+FFFD;
// characters that Windows-1250 cannot hold encode as '?'. Malformed UTF-8 also gives '?'.
std::string Cp1250ToUtf8(std::string_view cp1250);
std::string Utf8ToCp1250(std::string_view utf8);

}  // namespace quillan
