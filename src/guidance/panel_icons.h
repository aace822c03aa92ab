#pragma once

#include <QPixmap>

#include "guidance/panel_text.h"

namespace quillan {

// The pictures of the panel's inline icons (the program's own drawings, 16 × 16): levels
// (poz_1..poz_4), exercise families (zda_dyk, zda_roz, zda_tek, img_rpg, img_dia), done and not
// done (rob_yes, rob_no) and the statistics (stat_1..stat_5). Null for PanelIcon::None.
QPixmap PanelIconPicture(PanelIcon icon);

}  // namespace quillan
