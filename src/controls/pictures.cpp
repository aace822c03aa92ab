#include "controls/pictures.h"

#include <QImageReader>
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

QSize PictureSize(std::string_view windowsPath) {
    if (!FileExists(windowsPath)) return {};
    return QImageReader(QString::fromStdString(NativePath(windowsPath))).size();
}

}  // namespace quillan
