#pragma once

#include <QImage>
#include <QPixmap>
#include <string>
#include <string_view>

namespace quillan {

// A picture of the installation by its Windows path (letter case of the names does not
// matter); a null picture when the file is missing or unreadable.
QImage LoadImage(std::string_view windowsPath);
QPixmap LoadPicture(std::string_view windowsPath);
// One of the small pictures the windows draw themselves (chart icons, marks, speakers, plates),
// by the name the windows give it; drawn once and kept. A name the program has no picture of
// gives an empty picture.
QPixmap IconPicture(std::string_view name);
// The size of such a picture from its header, without reading its pixels; empty when the file
// is missing or not a picture.
QSize PictureSize(std::string_view windowsPath);

}  // namespace quillan
