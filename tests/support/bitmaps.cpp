#include "support/bitmaps.h"

#include "context/startup_state.h"
#include "controls/button_pictures.h"
#include "support/temp_dir.h"

namespace quillan::test {
namespace {

void Put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}

}  // namespace

std::string BmpBytes(int width, int height, const std::function<uint32_t(int x, int y)>& pixel) {
    const int rowSize = (width * 3 + 3) / 4 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(rowSize * height);
    std::string out = "BM";
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {  // rows are stored bottom up
        std::string row;
        for (int x = 0; x < width; ++x) {
            const uint32_t c = pixel(x, y);
            row += static_cast<char>(c & 0xff);
            row += static_cast<char>((c >> 8) & 0xff);
            row += static_cast<char>((c >> 16) & 0xff);
        }
        row.resize(static_cast<size_t>(rowSize), '\0');
        out += row;
    }
    return out;
}

void WriteButtonStrips(const TempDir& dir) {
    const std::string strip = BmpBytes(48, 20, [](int x, int y) -> uint32_t {
        if (y == 19 || x % 24 < 2) return 0xff00ff;  // the transparent colour round the picture
        return x < 24 ? 0x2060c0 : 0xf09020;
    });
    for (int lang : {0, 1}) {
        StartupState state;
        state.ProgramDir = dir.Path();
        SetLanguage(state, lang);
        for (std::string path : ButtonPicturePaths(state)) {
            path = path.substr(dir.Path().size());
            for (char& c : path)
                if (c == '\\') c = '/';
            dir.Write(path, strip);
        }
    }
    dir.Write("but_r/flaga_1.jpg", "");
    dir.Write("but_r/flaga_tlum.jpg", "");
}

}  // namespace quillan::test
