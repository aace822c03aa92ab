#pragma once

#include <vector>

#include "progress/settings.h"
#include "controls/picture_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace quillan {

struct AppContext;

class LocalLearners;
class SharedForms;
class TTransparentButton;

// A new local learner: his name (at least two characters once trimmed, unique in any letter
// case) and, unless the installation is English only, the language of the interface. Shown
// modally from the local user window.
class TForm10 : public PictureDialog {
    Q_OBJECT
public:
    TForm10(AppContext& context, SharedForms& forms, LocalLearners& learners, QWidget* parent = nullptr);

    // Shows the window modally; gives the 1-based position of the learner it created, or 0.
    int Open();

    QLineEdit* Edit1;
    TTransparentButton* B_OK;
    TTransparentButton* B_Zamknij;
    TTransparentButton* btn_help;
    QComboBox* cb_lang;
    QLabel* Label24;

signals:
    // The chosen interface language was made the program's; its texts are loaded already.
    void InterfaceLanguageChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void B_OKClick();

    AppContext& app_;
    SharedForms& forms_;
    LocalLearners& learners_;
    std::vector<LanguageItem> languages_;
    int created_ = 0;
};

}  // namespace quillan
