#include "platform/qt/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace quillan {

double ScreenScaleFactor(int width, int height) {
    const double fits = std::min(width / 1024.0, height / 768.0);
    const double factor = std::floor(fits * 4.0) / 4.0;
    return factor >= 1.25 ? factor : 1.0;
}

std::optional<double> QtScaleFactorToSet() {
    if (qEnvironmentVariable("QUILLAN_SCALE").compare("off", Qt::CaseInsensitive) == 0) return std::nullopt;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return std::nullopt;
    const double desktopRatio = screen->devicePixelRatio();
    const QSize pixels = screen->size() * desktopRatio;
    // A desktop that scales its windows itself has done part of it, or more than fits: Qt's
    // factor multiplies the desktop's.
    const double qtFactor = ScreenScaleFactor(pixels.width(), pixels.height()) / desktopRatio;
    if (std::abs(qtFactor - 1.0) <= 1e-6) return std::nullopt;
    return qtFactor;
}

}  // namespace quillan
