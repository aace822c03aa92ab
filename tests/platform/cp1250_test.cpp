#include <gtest/gtest.h>

#include "platform/cp1250.h"

namespace quillan {
namespace {

TEST(Cp1250, EveryPolishLetterRoundTrips) {
    const std::string utf8 = "ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ";
    // The same letters as Windows-1250 bytes.
    const std::string cp1250 =
        "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
    EXPECT_EQ(Utf8ToCp1250(utf8), cp1250);
    EXPECT_EQ(Cp1250ToUtf8(cp1250), utf8);
}

TEST(Cp1250, EveryDefinedByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x81 && b != 0x83 && b != 0x88 && b != 0x90 && b != 0x98) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
}

TEST(Cp1250, UnmappableAndMalformedInputIsReplaced) {
    EXPECT_EQ(Utf8ToCp1250("a\xE2\x82\xAC" "b"), "a\x80" "b");   // the euro sign exists
    EXPECT_EQ(Utf8ToCp1250("a\xE6\x97\xA5" "b"), "a?b");        // a CJK character does not
    EXPECT_EQ(Utf8ToCp1250("a\xC3"), "a?");                      // cut-off sequence
    EXPECT_EQ(Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");              // undefined byte
}

}  // namespace
}  // namespace quillan
