#pragma once

// The picture groups of the installation; each writes its files with the shared style.

#include <QImage>
#include <QPainter>
#include <QString>

namespace demo {

class Installation;
struct CourseSources;

// The two interface languages: Lang_r\0 (Polish) and Lang_r\1 (English).
struct Language {
    int index;
    const char* dir;  // "Lang_r\0\" or "Lang_r\1\"
    bool polish() const { return index == 0; }
    // Picks the text of this language.
    QString operator()(const char* pl, const char* en) const { return QString::fromUtf8(polish() ? pl : en); }
};
inline constexpr Language kLanguages[] = {{0, "Lang_r\\0\\"}, {1, "Lang_r\\1\\"}};

void WriteButtonStrips(Installation& installation);     // but_r strips, tabs, flags
void WriteWindowPictures(Installation& installation);   // gfx_r of both languages and the panels
void WriteMainMenuPictures(Installation& installation); // gfx_r\Main_rozum.jpg, menu_video.jpg
void WritePrintoutPictures(Installation& installation); // icons of the printouts: htm_r, gfx_r\dialogA..E
void WriteMediaPictures(Installation& installation, const CourseSources& sources);  // backgrounds, exercise pictures

// The light right-hand panel (100 x 768) of the exercise windows; with `stats` it also shows
// the four counter icons of the sentence exercise.
void PaintRightPanel(QPainter& painter, int stats);

// Turns a picture drawn on a transparent ground into one whose transparent parts carry the key
// colour: half-covered edge pixels are blended with a light surface, the rest is keyed out.
QImage KeyedOnLight(const QImage& argb);

}  // namespace demo
