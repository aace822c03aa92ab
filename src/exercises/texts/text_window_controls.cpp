#include "exercises/texts/text_window_controls.h"

#include "controls/button_pictures.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"

namespace quillan {
namespace {

constexpr int kSideButtonLeft = 957;
constexpr int kHelpTop = 620, kDictionaryTop = 660, kExitTop = 712;
constexpr int kActionRight = 905, kActionTop = 700;
constexpr int kGaugeLeft = 665;

}  // namespace

PanelButtons AddPanelButtons(QWidget* window, TMyImageList& images, const char* exitName) {
    PanelButtons buttons{ImageButton(window, images, pictures::Help, "btn_help"),
                         ImageButton(window, images, pictures::Dictionary, "btn_slownik"),
                         ImageButton(window, images, pictures::ClosePanel, exitName)};
    buttons.help->move(kSideButtonLeft, kHelpTop);
    buttons.dictionary->move(kSideButtonLeft, kDictionaryTop);
    buttons.exit->move(kSideButtonLeft + 4, kExitTop);
    buttons.exit->setToolTip(QString::fromUtf8("Wyjście"));
    return buttons;
}

CheckControls AddCheckControls(QWidget* window, TMyImageList& images, const char* checkName) {
    CheckControls controls{ImageButton(window, images, pictures::CheckLabelled, checkName),
                           ImageButton(window, images, pictures::Repeat, "lbl_jeszcze_raz"), new TPanel1(window)};
    controls.check->move(kActionRight - controls.check->width(), kActionTop);
    controls.again->move(kActionRight - controls.again->width(), kActionTop);
    controls.again->setToolTip("Again");
    controls.again->hide();
    controls.gauge->setObjectName("panel_wynik");
    controls.gauge->move(kGaugeLeft, kActionTop);
    controls.gauge->hide();
    return controls;
}

}  // namespace quillan
