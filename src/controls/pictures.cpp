#include "controls/pictures.h"

#include <QImageReader>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "controls/design_pictures.h"
#include "platform/paths.h"

namespace quillan {

QImage LoadImage(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImage(QString::fromStdString(NativePath(windowsPath)));
}

QPixmap LoadPicture(std::string_view windowsPath) { return QPixmap::fromImage(LoadImage(windowsPath)); }

QPixmap IconPicture(std::string_view name) {
    // Kept for the whole run and never destroyed, so that no picture outlives the application
    // object. Only the windows' thread asks.
    static auto* const kept = new std::map<std::string, QPixmap, std::less<>>;
    if (const auto found = kept->find(name); found != kept->end()) return found->second;
    QPixmap picture = QPixmap::fromImage(design::DrawDesignPicture(name));
    kept->emplace(std::string(name), picture);
    return picture;
}

namespace {

int32_t LittleEndian32(const unsigned char* bytes) {
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

// The size a Windows bitmap's header gives (the button pictures are such bitmaps): read from
// its first 26 bytes, without the image plugins a general reader looks through. Empty when
// the file is no bitmap with a header of the usual kinds.
QSize BitmapHeaderSize(const std::string& nativePath) {
    std::FILE* file = std::fopen(nativePath.c_str(), "rb");
    if (!file) return {};
    unsigned char head[26];
    const size_t read = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    if (read < sizeof head || head[0] != 'B' || head[1] != 'M') return {};
    const int32_t infoSize = LittleEndian32(head + 14);
    if (infoSize == 12)  // the old OS/2 header: 16-bit sizes
        return QSize(head[18] | head[19] << 8, head[20] | head[21] << 8);
    if (infoSize < 40) return {};
    const int32_t width = LittleEndian32(head + 18), height = LittleEndian32(head + 22);
    // A negative height is a picture stored top-down.
    if (width <= 0 || height == 0 || height == INT32_MIN) return {};
    return QSize(width, height < 0 ? -height : height);
}

}  // namespace

QSize PictureSize(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    const std::string path = NativePath(windowsPath);
    const QSize bitmap = BitmapHeaderSize(path);
    return bitmap.isEmpty() ? QImageReader(QString::fromStdString(path)).size() : bitmap;
}

}  // namespace quillan
