#include "sounds.h"
namespace demo { SoundReport WriteSounds(Installation&, const CourseSources&) { return {}; } }
