#include "controls/pictures.h"

#include <QImageReader>

#include "platform/paths.h"

namespace quillan {

QImage LoadImage(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImage(QString::fromStdString(NativePath(windowsPath)));
}

QPixmap LoadPicture(std::string_view windowsPath) { return QPixmap::fromImage(LoadImage(windowsPath)); }

QSize PictureSize(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImageReader(QString::fromStdString(NativePath(windowsPath))).size();
}

}  // namespace quillan
