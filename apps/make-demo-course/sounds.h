#pragma once

// The sounds of the installation: short tones written with libsndfile, and the spoken
// recordings of the course made with espeak-ng (a short tone stands in when it is missing).

#include <string>

namespace demo {

class Installation;
struct CourseSources;

struct SoundReport {
    int tones = 0;
    int spoken = 0;
    int standIns = 0;
    std::string why;  // why tones stand in for speech
};

SoundReport WriteSounds(Installation& installation, const CourseSources& sources);

}  // namespace demo
