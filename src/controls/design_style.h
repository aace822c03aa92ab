#pragma once

// The one visual style of the pictures the program draws itself and of the course pictures
// made to go with them: a palette, a type face and the painter's settings.

#include <QColor>
#include <QFont>
#include <QPainter>

namespace quillan::design {

namespace palette {
inline const QColor kInk{14, 42, 71};          // headings, dark panels
inline const QColor kNavy{18, 58, 94};         // right-hand panels, title strips
inline const QColor kBlue{0, 101, 156};        // primary: icons, result texts
inline const QColor kSky{1, 153, 202};         // highlighted buttons, chart names
inline const QColor kPen{51, 153, 204};        // thin lines
inline const QColor kIce{233, 247, 250};       // row highlight, soft fills
inline const QColor kMist{214, 232, 241};      // borders on light surfaces
inline const QColor kSurface{246, 249, 251};   // window bodies
inline const QColor kWhite{255, 255, 255};
inline const QColor kText{31, 45, 61};
inline const QColor kMuted{102, 102, 102};
inline const QColor kAmber{245, 166, 35};      // warm accent
inline const QColor kGreen{46, 158, 91};
inline const QColor kRed{214, 69, 69};
inline const QColor kKey{255, 0, 255};         // transparent colour of button strips
}  // namespace palette

// The type face of the pictures at a pixel size (the program draws its texts in Verdana, which
// it maps to DejaVu Sans; the pictures use the same face so that they sit well with the text).
QFont Face(int pixelSize, bool bold = false);

// A painter with antialiasing for shapes and text.
void Smooth(QPainter& painter);

}  // namespace quillan::design
