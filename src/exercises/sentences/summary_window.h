#pragma once

#include "exercises/sentences/score.h"

namespace quillan {

class TForm25;

// Fills the summary window with the request's lines, shows or hides its K_wroc, shows it
// modally and gives true when the learner chose to end the exercise (B_OK).
bool ShowSummary(TForm25& form, const SummaryRequest& summary);

}  // namespace quillan
