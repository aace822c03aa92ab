#pragma once

// The videos of the course texts: slides drawn in the course style, shown in turn from the
// text's bookmarks, over the text's narration, encoded as MPEG-1 by ffmpeg when it is present.
// Without ffmpeg there is no video and the text keeps its page or its narration.

#include <string>

namespace demo {

class Installation;
struct CourseSources;

struct VideoReport {
    int made = 0;
    std::string skipped;  // why videos were not made
};

// Runs after the sounds: the narration must already be in the installation.
VideoReport WriteVideos(Installation& installation, const CourseSources& sources);

}  // namespace demo
