#pragma once

#include <string>

#include "chart/chart_tree.h"

namespace quillan {

// The chart as an HTML table for printing: the lines shown in its current expansion, with the
// printout pictures and the style sheet of the installation in `programDir` (ending in a
// separator). Texts stay Windows-1250.
std::string ChartHtml(const ChartTree& tree, const std::string& programDir);

// The printout picture of an icon code (a package's icon or an exercise's kind), a path under
// the installation; empty when the code has none.
std::string PrintoutIcon(int icon);

}  // namespace quillan
