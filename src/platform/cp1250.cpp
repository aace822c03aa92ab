#include "platform/cp1250.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <stdexcept>
#include <unordered_map>

namespace quillan {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The upper half of the code page, read once through iconv into a table of code points.
struct CodePage {
    std::array<char32_t, 128> upper{};
    std::unordered_map<char32_t, unsigned char> reverse;

    CodePage() {
        iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1250");
        if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv has no WINDOWS-1250");
        for (int b = 0x80; b <= 0xFF; ++b) {
            char in = static_cast<char>(b);
            std::array<unsigned char, 4> out{};
            char* inp = &in;
            char* outp = reinterpret_cast<char*>(out.data());
            size_t inLeft = 1, outLeft = out.size();
            char32_t cp = kReplacement;
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1) && outLeft == 0)
                cp = out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            upper[b - 0x80] = cp;
            if (cp != kReplacement) reverse.emplace(cp, static_cast<unsigned char>(b));
        }
        iconv_close(cd);
    }
};

const CodePage& Table() {
    static const CodePage table;
    return table;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 character at text[i]; advances i. Malformed input gives kReplacement.
char32_t NextCodePoint(std::string_view text, size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0) return kReplacement;
    char32_t cp = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return kReplacement;
        cp = cp << 6 | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

}  // namespace

std::string Cp1250ToUtf8(std::string_view cp1250) {
    const CodePage& table = Table();
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 4);
    for (char c : cp1250) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else
            AppendUtf8(out, table.upper[b - 0x80]);
    }
    return out;
}

std::string Utf8ToCp1250(std::string_view utf8) {
    const CodePage& table = Table();
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        auto it = table.reverse.find(cp);
        out += it == table.reverse.end() ? '?' : static_cast<char>(it->second);
    }
    return out;
}

}  // namespace quillan
