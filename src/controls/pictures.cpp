#include "controls/pictures.h"

#include <QImageReader>

#include "platform/paths.h"

namespace quillan {

QImage LoadImage(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImage(QString::fromStdString(NativePath(windowsPath)));
}

QPixmap LoadPicture(std::string_view windowsPath) { return QPixmap::fromImage(LoadImage(windowsPath)); }

QPixmap IconPicture(std::string_view programDir, std::string_view name) {
    return LoadPicture(std::string(programDir) + "gfx_r\\ikony\\" + std::string(name) + ".png");
}

QSize PictureSize(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImageReader(QString::fromStdString(NativePath(windowsPath))).size();
}

}  // namespace quillan
