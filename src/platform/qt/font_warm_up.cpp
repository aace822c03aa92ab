#include "platform/qt/font_warm_up.h"

#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>

namespace quillan {

FontWarmUp::FontWarmUp()
    : thread_([] {
          QFontDatabase::families();
          // Text in the fonts the windows use, Polish letters included, so that their fallbacks
          // are looked up too.
          QImage canvas(64, 16, QImage::Format_ARGB32_Premultiplied);
          QPainter painter(&canvas);
          for (const char* family : {"Verdana", "Arial"}) {
              painter.setFont(QFont(family, 10));
              painter.drawText(0, 12, QString::fromUtf8("Aą"));
          }
      }) {}

FontWarmUp::~FontWarmUp() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace quillan
