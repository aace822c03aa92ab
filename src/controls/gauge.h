#pragma once

namespace quillan {

// The picture of the result gauge for a percentage: percent / 8 rounded to the nearest
// integer, halves to the even neighbour (100 gives 12, 50 gives 6, 4 gives 0, 12 gives 2),
// kept within the 13 pictures of the strip.
inline int GaugePictureIndex(int percent) {
    if (percent <= 0) return 0;
    int index = percent / 8;
    const int rest = percent % 8;
    if (rest > 4 || (rest == 4 && index % 2 == 1)) ++index;
    return index > 12 ? 12 : index;
}

}  // namespace quillan
