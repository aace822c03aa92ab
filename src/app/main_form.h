#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillan {

struct AppContext;
class SharedForms;
class TForm24;
class TMLabel;
class TOpcjeForm;
class TTransparentButton;

// The main menu, the program's main window: a full-screen picture whose painted labels are
// clickable (authors, publisher's site, help, settings), the exercises and repetitions buttons
// and the exit button. Closing it asks whether to leave the program (in classroom work, whether
// to leave, log out or stay).
class TMainForm : public QWidget {
    Q_OBJECT
public:
    TMainForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Reloads the background picture of the interface language.
    void LoadLanguagePictures();
    // Shows the repetitions button exactly while it has something to offer (after repetitions
    // were done or deleted elsewhere, and on every showing of the window).
    void UpdateRepetitionsButton();

    TForm24& ExitForm() { return *form24_; }
    // The settings window, made when first asked for (it is not needed before the menu shows).
    TOpcjeForm& SettingsForm();

    // Asked instead of the exit confirmation when the window is closed in classroom work; true
    // when the program is to end.
    std::function<bool()> ClassroomLeaving;

    TMLabel* lbl_autorzy;
    TMLabel* lbl_serwisy;
    TMLabel* lbl_pomoc;
    TMLabel* lbl_opcje;
    TTransparentButton* m_subj;
    TTransparentButton* l_powtorki;
    TTransparentButton* lbl_exit;

signals:
    // The exercise chart is asked for: mode 1 all exercises (without the button that deletes
    // all repetitions), mode 2 the repetitions due (with it).
    void ChartRequested(int mode, bool deleteAllRepetitionsShown);
    // The learner confirmed leaving: the window has closed and the program is to end.
    void ProgramEnding();
    // The settings window switched the interface language.
    void InterfaceLanguageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowHelp(const std::string& page);

    AppContext& context_;
    SharedForms& forms_;
    QPixmap background_;
    std::unique_ptr<TForm24> form24_;
    std::unique_ptr<TOpcjeForm> opcje_;
};

}  // namespace quillan
