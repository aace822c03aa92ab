#pragma once

#include <vector>

#include "progress/settings.h"
#include "controls/picture_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace quillan {

struct AppContext;

class SharedForms;
class TMLabel;
class TTransparentButton;

// The learner's settings: letter case, the letter count of the vocabulary exercises, the
// interface language and the repetitions. B_OK appears once something was changed; it checks
// the two number fields and saves. Shown modally from the main menu.
class TOpcjeForm : public PictureDialog {
    Q_OBJECT
public:
    TOpcjeForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);

    // The settings as the window's controls give them (those without a control as loaded).
    Settings FromControls() const;

    TTransparentButton* B_Zamknij;
    TTransparentButton* B_OK;
    TTransparentButton* btn_help;
    QCheckBox* cb_wielkoscliter;
    TMLabel* Label1;
    QCheckBox* cb_countletters;
    TMLabel* Label2;
    QComboBox* cb_lang;
    QLabel* Label7;
    QLabel* Label22;
    QCheckBox* CB_czy_Powtorki;
    TMLabel* Label15;
    QLineEdit* E_powtorki_wynik;
    QLabel* Label16;
    QCheckBox* CB_Powtorki_gdy_przerwano;
    TMLabel* Label19;
    QLineEdit* E_powtorki_interwal;
    QLabel* Label17;

signals:
    // The learner chose another interface language; its texts are loaded already, its
    // pictures are for the windows to load.
    void InterfaceLanguageChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void B_OKClick();
    void SetControls(const Settings& settings);

    AppContext& app_;
    SharedForms& forms_;
    std::vector<LanguageItem> languages_;
};

}  // namespace quillan
