#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace quillan {

// The course's windows are 1024 x 768. On a screen with room for them at least 1.25 times as
// large in both directions, every window is drawn larger: Qt scales the windows, their text
// (drawn at the larger size), their pictures and the mouse positions, once QT_SCALE_FACTOR is
// set before the application object is made.

// The factor for a screen of width x height pixels: the largest multiple of 0.25 by which
// 1024 x 768 fits both directions, when that is at least 1.25; otherwise 1 (no scaling).
double ScreenScaleFactor(int width, int height);

// The factor Qt must be given (QT_SCALE_FACTOR) so that the windows are drawn at the factor of
// the primary screen's pixels, asked of the running application; nothing when the windows are
// drawn as they are already: QUILLAN_SCALE is "off", the user set QT_SCALE_FACTOR himself (it is
// kept), or no scaling is needed. On a desktop that scales by itself (a high-resolution screen)
// it is the part that is left to do, which may be below 1.
std::optional<double> QtScaleFactorToSet();

// Makes the program's application object, its windows drawn at the factor of a large screen.
// The screen is known only to an application object, and Qt takes the factor only when one is
// made: where the windows must be drawn larger, the first application gives way to a second
// made with the factor set. Elsewhere the first is the program's, and nothing is made twice.
template <class Application>
std::unique_ptr<Application> MakeScaledApplication(int& argc, char** argv) {
    // Qt takes the options it knows out of argv; the second application gets them all again.
    const std::vector<char*> given(argv, argv + argc);
    auto app = std::make_unique<Application>(argc, argv);
    if (const std::optional<double> factor = QtScaleFactorToSet()) {
        app.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*factor));
        std::copy(given.begin(), given.end(), argv);
        argc = static_cast<int>(given.size());
        app = std::make_unique<Application>(argc, argv);
    }
    return app;
}

}  // namespace quillan
