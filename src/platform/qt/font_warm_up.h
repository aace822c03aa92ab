#pragma once

#include <thread>

namespace quillan {

// The first text a process lays out pays for reading the system's fonts (the font database,
// the fonts' fallbacks). Made right after the application object (and the font substitutions),
// this reads them on a second thread while start-up goes on with the course files; the first
// window then finds them read. Qt guards its font database for use from several threads.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();  // waits for the reading to end
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};

}  // namespace quillan
