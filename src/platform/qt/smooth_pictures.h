#pragma once

class QPainter;

namespace quillan {

// On a large screen the windows are drawn larger (screen_scale.h), and with them every picture:
// smoothed, not with some rows and columns of pixels repeated. Pictures drawn at their own size
// on an unscaled window are the same either way.

// Makes the painter smooth the pictures it draws larger than they are.
void SmoothPictures(QPainter& painter);

// Labels draw their pictures smoothly from now on (a style over the application's style).
void SmoothLabelPictures();

}  // namespace quillan
