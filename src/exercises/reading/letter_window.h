#pragma once

#include <QWidget>
#include <string>

#include "exercises/reading/letter.h"

class QLabel;

namespace quillan {

struct AppContext;
class SharedForms;
class HtmlView;
class TTransparentButton;

// The letter window: a business letter (an HTML page) in the viewer, with buttons for its tips
// page, its translation, a printout, the dictionary and help.
class TListyForm : public QWidget {
    Q_OBJECT
public:
    TListyForm(AppContext& context, SharedForms& forms, QWidget* parent = nullptr);
    ~TListyForm() override;

    // Opens letter exercise `exerciseId` ("lst_" + number) on its page (a Windows path) with the
    // glossary entry of its translation (below 1: none) and shows the window. A missing page
    // is told and the window opens without it.
    void OpenExercise(const std::string& exerciseId, const std::string& page, int glossaryNumber);

    LetterReading& Exercise() { return letter_; }

    QLabel* Image2;
    HtmlView* Html;
    TTransparentButton* btn_instr;
    TTransparentButton* btn_tlumacz;
    TTransparentButton* btn_print;
    TTransparentButton* btn_slownik;
    TTransparentButton* btn_help;
    TTransparentButton* btn_exit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowTips();

    AppContext& context_;
    SharedForms& forms_;
    LetterReading letter_;
};

}  // namespace quillan
