#include "exercises/sentences/summary_window.h"

#include <QLabel>

#include "controls/transparent_button.h"
#include "forms/summary_form.h"
#include "platform/qt/qt_text.h"

namespace quillan {

bool ShowSummary(TForm25& form, const SummaryRequest& summary) {
    QLabel* lines[] = {form.l_Stat1, form.L_Stat2, form.L_Stat3, form.L_stat4};
    for (size_t k = 0; k < 4; ++k) lines[k]->setText(ToQt(summary.lines[k]));
    form.K_wroc->setVisible(summary.backShown);
    return form.exec() == 1;
}

}  // namespace quillan
