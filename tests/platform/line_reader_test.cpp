#include <gtest/gtest.h>

#include <vector>

#include "platform/line_reader.h"

namespace quillan {
namespace {

std::vector<std::string> AllLines(const std::string& bytes) {
    LineReader reader(bytes);
    std::vector<std::string> lines;
    while (!reader.Eof()) lines.push_back(reader.ReadLine());
    return lines;
}

TEST(LineReader, LineEnds) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},             // no final line end
        {"a\r\n\r\nb", {"a", "", "b"}},     // an empty line is a line
        {"a\rb\r\n", {"a\rb"}},             // a lone CR belongs to the line
        {std::string(100000, 'x') + "\r\n", {std::string(100000, 'x')}},
    };
    for (const Case& c : cases) EXPECT_EQ(AllLines(c.bytes), c.lines) << c.bytes.substr(0, 20);
}

TEST(LineReader, ReadingPastTheEndGivesEmptyLines) {
    LineReader reader("only\r\n");
    EXPECT_EQ(reader.ReadLine(), "only");
    EXPECT_TRUE(reader.Eof());
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_EQ(reader.ReadLine(), "");
    EXPECT_EQ(reader.LineNumber(), 3);
}

TEST(LineReader, KeepsWindows1250Bytes) {
    LineReader reader("\xB9\xE6\xEA=\xA3\xD3\r\n");
    EXPECT_EQ(reader.ReadLine(), "\xB9\xE6\xEA=\xA3\xD3");
}

}  // namespace
}  // namespace quillan
