#include "exercises/reading/letter_window.h"

#include <QKeyEvent>
#include <QLabel>

#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/message_form.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "forms/shared_forms.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "help/html_small_form.h"
#include "help/html_view.h"
#include "help/page_printing.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

constexpr int kButtonLeft = 820, kButtonTop = 40, kButtonStep = 50;

}  // namespace

TListyForm::TListyForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), letter_(context) {
    SetUpCourseWindow(*this, "TListyForm", context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;

    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(0, 0, 1024, 768);
    Html = new HtmlView(this);
    Html->setObjectName("Html");
    Html->setGeometry(130, 16, 655, 753 - 16);
    Html->setFrameShape(QFrame::NoFrame);
    Html->setOpenExternalLinks(false);
    Html->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    QPalette page = Html->palette();
    page.setColor(QPalette::Base, Qt::white);
    Html->setPalette(page);
    Html->document()->setDefaultFont(QFont("Times New Roman"));
    Html->document()->setDefaultStyleSheet("pre, tt, code, kbd, samp { font-family: 'Courier New', monospace; }");

    int row = 0;
    auto button = [&](const char* name, int picture) {
        TTransparentButton* b = ImageButton(this, images, picture, name);
        b->move(kButtonLeft, kButtonTop + kButtonStep * row++);
        return b;
    };
    btn_instr = button("btn_instr", 59);
    btn_tlumacz = button("btn_tlumacz", 17);
    btn_print = button("btn_print", pictures::Print);
    btn_slownik = button("btn_slownik", pictures::Dictionary);
    btn_help = button("btn_help", pictures::Help);
    btn_exit = button("btn_exit", pictures::ClosePanel);
    btn_exit->move(1024 - btn_exit->width() - 20, 20);
    btn_instr->setToolTip("Tips");
    connect(btn_instr, &TTransparentButton::clicked, this, &TListyForm::ShowTips);
    connect(btn_tlumacz, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = letter_.Translation();
        forms_.informacja->exec();
    });
    connect(btn_print, &TTransparentButton::clicked, this, [this] {
        if (context_.services.printer) PrintShownPage(*Html, context_, *context_.services.printer, *forms_.form20);
    });
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(context_.course.interfaceTexts, 142);
        forms_.informacja->exec();
    });
    connect(btn_exit, &TTransparentButton::clicked, this, &QWidget::close);
}

TListyForm::~TListyForm() = default;

void TListyForm::OpenExercise(const std::string& exerciseId, const std::string& page, int glossaryNumber) {
    if (isVisible()) close();  // the letter open before reports first
    letter_.Open(exerciseId, page, glossaryNumber);
    Html->clear();
    Html->clearHistory();
    if (letter_.PageFound()) {
        Html->setSource(QUrl::fromLocalFile(QString::fromStdString(NativePath(page))));
    } else if (context_.services.messages) {
        context_.services.messages->Error("Brak pliku: " + page);
    }
    Image2->setPixmap(LoadPicture(context_.startup.ProgramDir + "gfx_r\\tlo_listy.jpg"));
    const InterfaceTexts& texts = context_.course.interfaceTexts;
    btn_tlumacz->setToolTip(ToQt(UiText(texts, 160)));
    btn_slownik->setToolTip(ToQt(UiText(texts, 161)));
    btn_print->setToolTip(ToQt(UiText(texts, 54)));
    btn_tlumacz->setVisible(letter_.TranslationShown());
    btn_print->setVisible(letter_.PageFound());  // nothing to print without the page

    ShowCentred(*this);
}

void TListyForm::ShowTips() {
    const std::string tips = letter_.TipsPage();
    if (!FileExists(tips)) {
        if (context_.services.messages) context_.services.messages->Error("Brak pliku: " + tips);
        return;
    }
    forms_.htmlSmall->SetBackground(context_.startup.ProgramDir + context_.startup.LangDir + "gfx_r\\tips.bmp");
    forms_.htmlSmall->OpenModal(tips);
}

void TListyForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        forms_.help->ShowHelpPage("h_comp.html#listy");
        return;
    }
    QWidget::keyPressEvent(event);
}

void TListyForm::closeEvent(QCloseEvent* event) {
    letter_.Close();
    Image2->clear();
    QWidget::closeEvent(event);
}

}  // namespace quillan
