#pragma once

// The small pictures the windows draw beside their texts, each known by the name the windows
// give it: icons, levels and result bars of the exercise chart, answer boxes and marks, the
// speaker badges of the dialogues, microphones and loudspeakers, the result gauge's plate and
// pies. The program draws them itself, so an installation carries none of them.

#include <QImage>
#include <string_view>

namespace quillan::design {

// The picture of a name, freshly drawn on a transparent ground; a null picture for a name the
// program has no picture of.
QImage DrawDesignPicture(std::string_view name);

}  // namespace quillan::design
