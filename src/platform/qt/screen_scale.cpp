#include "platform/qt/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace quillan {

double ScreenScaleFactor(int width, int height) {
    const double fits = std::min(width / 1024.0, height / 768.0);
    const double factor = std::floor(fits * 4.0) / 4.0;
    return factor >= 1.25 ? factor : 1.0;
}

double ScaleWindowsToScreen(int argc, char** argv) {
    if (qEnvironmentVariable("QUILLAN_SCALE").compare("off", Qt::CaseInsensitive) == 0) return 1.0;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        bool ok = false;
        const double chosen = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
        return ok && chosen > 0 ? chosen : 1.0;
    }
    double factor = 1.0, desktopRatio = 1.0;
    {
        // The screen is known only to an application object; this one lives just long enough
        // to ask. Its own arguments are a copy, so that the program's are left as they are.
        int count = argc;
        std::vector<char*> args(argv, argv + argc);
        args.push_back(nullptr);
        QGuiApplication measuring(count, args.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            desktopRatio = screen->devicePixelRatio();
            const QSize pixels = screen->size() * desktopRatio;
            factor = ScreenScaleFactor(pixels.width(), pixels.height());
        }
    }
    // A desktop that scales its windows itself (a high-resolution screen) has done part of it,
    // or more than fits: Qt's factor multiplies the desktop's.
    const double qtFactor = factor / desktopRatio;
    if (std::abs(qtFactor - 1.0) > 1e-6) qputenv("QT_SCALE_FACTOR", QByteArray::number(qtFactor));
    return factor;
}

}  // namespace quillan
