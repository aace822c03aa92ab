#include "exercises/vocab/trainer_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "session/app_context.h"
#include "forms/shared_forms.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "audio/resource_form.h"
#include "audio/accent_keys.h"
#include "forms/answer_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "course/problems.h"
#include "exercises/vocab/trainer_boxes.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

// Where the controls stand (the window is 1024 x 768; the tab panel is its right 100 pixels).
constexpr int kLeft = 46;
constexpr int kInstructionTop = 200;
constexpr std::array<int, 4> kOptionOffsets = {66, 106, 144, 186};  // below the instruction line
constexpr int kOptionLeft = 86;
constexpr int kAnswerTop = 262;
constexpr int kListTop = 236;
constexpr int kQuestionExampleTop = 360;
constexpr int kListExampleTop = 660;
constexpr int kTakeReplayLeft = 74;
constexpr int kPanelLeft = 924;
constexpr int kTabLeft = 942, kTabTop = 66, kTabStep = 25;
constexpr int kSideButtonLeft = 957;

}  // namespace

TForm4::TForm4(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), trainer_(context) {
    SetUpCourseWindow(*this, "TForm4", context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;
    const QString face = ToQt(context_.startup.InterfaceFont);

    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(0, 0, 1024, 768);
    img_panel = new QLabel(this);
    img_panel->setObjectName("img_panel");
    img_panel->setGeometry(kPanelLeft, 0, 100, 768);

    for (int n = 0; n < 5; ++n) {
        zak[static_cast<size_t>(n)] = new TMImage(this);
        TMImage* tab = zak[static_cast<size_t>(n)];
        tab->setObjectName(QString("zak_%1").arg(n + 1));
        tab->Tag = n + 1;
        tab->setGeometry(kTabLeft, kTabTop + kTabStep * n, 64, 22);
        tab->setCursor(Qt::PointingHandCursor);
        connect(tab, &TMImage::clicked, this, [this, n] {
            trainer_.ClickTab(n + 1);
            Refresh();
        });
    }
    auto sideButton = [&](const char* name, int picture, int top) {
        TTransparentButton* button = ImageButton(this, images, picture, name);
        button->move(kSideButtonLeft, top);
        return button;
    };
    btn_play = sideButton("btn_play", pictures::Speaker, 210);
    btn_help = sideButton("btn_help", pictures::Help, 620);
    btn_slownik = sideButton("btn_slownik", pictures::Dictionary, 660);
    menu_image = sideButton("menu_image", pictures::ClosePanel, 712);
    menu_image->move(kSideButtonLeft + 4, 712);
    connect(btn_play, &TTransparentButton::clicked, this, [this] { trainer_.PlayItemSound(); });
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = trainer_.HelpTopic();
        forms_.informacja->exec();
    });
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    connect(menu_image, &TTransparentButton::clicked, this, &QWidget::close);

    panel_wynik = new TPanel1(this);
    panel_wynik->setObjectName("panel_wynik");
    panel_wynik->move(kLeft, 40);
    panel_wynik->hide();

    L_Slowko = TextLabel(this, "L_Slowko", QRect(kLeft, 112, TWordFrame::kWidth, 56), PointFont(face, 24, true), Qt::black);
    dxramka = new TWordFrame(face, this);
    dxramka->move(kLeft, 110);
    dxramka->hide();
    L_Polecenie = TextLabel(this, "L_Polecenie", QRect(kLeft, kInstructionTop, 853, 26), PointFont(face, 12), Qt::black);

    for (int k = 0; k < 4; ++k) {
        const int top = kInstructionTop + kOptionOffsets[static_cast<size_t>(k)];
        auto* option = new TMLabel(this);
        L_Odp[static_cast<size_t>(k)] = option;
        option->setObjectName(QString("L_Odp%1").arg(k + 1));
        option->Tag = k + 1;
        option->setGeometry(kOptionLeft, top, 540, 32);
        option->setFont(PointFont(face, 16));
        option->setCursor(Qt::PointingHandCursor);
        SetTextColour(*option, Qt::black);
        option->hide();
        connect(option, &TMImage::mouseEnter, this, [option] { SetTextColour(*option, QColor(0, 0, 0xff)); });
        connect(option, &TMImage::mouseLeave, this, [option] { SetTextColour(*option, Qt::black); });
        connect(option, &TMImage::clicked, this, [this, k] {
            trainer_.ChooseOption(k + 1);
            Refresh();
        });
        auto* marker = new QLabel(this);
        Wyr[static_cast<size_t>(k)] = marker;
        marker->setObjectName(k < 2 ? QString("Wyr%1").arg(k + 1) : QString("wyr%1").arg(k + 1));
        marker->setGeometry(kLeft, top + 5, 22, 22);
        marker->hide();
    }

    E_Wpisana = new QLineEdit(this);
    E_Wpisana->setObjectName("E_Wpisana");
    E_Wpisana->setGeometry(kLeft, kAnswerTop + 2, 570, 38);
    E_Wpisana->setFont(PointFont(face, 16));
    E_Wpisana->hide();
    E_Wpisana->installEventFilter(this);

    B_OK = ImageButton(this, images, pictures::OkBig, "B_OK");
    B_OK->move(640, kAnswerTop);
    B_OK->hide();
    connect(B_OK, &TTransparentButton::clicked, this, &TForm4::OkClicked);
    b_repeat = ImageButton(this, images, pictures::Repeat, "b_repeat");
    b_repeat->move(640, kAnswerTop + 4);
    b_repeat->setToolTip("Again");
    b_repeat->hide();
    connect(b_repeat, &TTransparentButton::clicked, this, [this] {
        trainer_.Repeat();
        Refresh();
    });
    TransparentButton1 = ImageButton(this, images, pictures::SmallSpeaker, "TransparentButton1");
    TransparentButton1->move(710, kAnswerTop + 9);
    TransparentButton1->setToolTip(QString::fromUtf8("Odtwórz nagranie"));
    TransparentButton1->hide();
    connect(TransparentButton1, &TTransparentButton::clicked, this, [this] { trainer_.PlayItemSound(); });

    img_ok = new QLabel(this);
    img_ok->setObjectName("img_ok");
    img_ok->setGeometry(kLeft, kAnswerTop + 4, 32, 32);
    img_ok->hide();
    img_bad = new QLabel(this);
    img_bad->setObjectName("img_bad");
    img_bad->setGeometry(kLeft, kAnswerTop + 4, 32, 32);
    img_bad->hide();
    L_Poprawna = TextLabel(this, "L_Poprawna", QRect(VocabTrainer::kRightAnswerLeft, kAnswerTop, 550, 40),
                           PointFont(face, 20, true), Qt::black);
    L_tlumaczenie = TextLabel(this, "L_tlumaczenie", QRect(80, kAnswerTop + 46, 700, 30), PointFont(face, 14),
                              QColor(0x12, 0x3a, 0x5e));

    f_zdanie = new TMImage(this);
    f_zdanie->setObjectName("f_zdanie");
    f_zdanie->hide();
    g_zdanie = new TMImage(this);
    g_zdanie->setObjectName("g_zdanie");
    g_zdanie->setCursor(Qt::PointingHandCursor);
    g_zdanie->hide();
    connect(g_zdanie, &TMImage::clicked, this, [this] { trainer_.PlayExample(); });
    L_zdanie = TextLabel(this, "L_zdanie", QRect(100, 0, 800, 26), PointFont(face, 13), Qt::black);

    dxramka_mat = new TWordListBox(trainer_, face, this);
    dxramka_mat->move(kLeft, kListTop);
    dxramka_mat->hide();
    connect(dxramka_mat, &TWordListBox::painted, this, [this] {
        if (!L_Polecenie->isVisible()) L_Polecenie->show();
    });
    connect(dxramka_mat, &TWordListBox::pointerMoved, this, &TForm4::PointerOverList);
    connect(dxramka_mat, &TWordListBox::pointerLeft, this, &TForm4::HideTranslation);
    connect(dxramka_mat, &TWordListBox::pressed, this, [this](QPoint at, bool left) {
        trainer_.PagePressed(at.x(), at.y(), left);
        Refresh();
        dxramka_mat->update();
    });
    connect(dxramka_mat, &TWordListBox::released, this, [this](QPoint at, bool left) {
        trainer_.PageReleased(at.x(), at.y(), left);
        Refresh();
        dxramka_mat->update();
    });
    connect(dxramka_mat, &TWordListBox::scrolled, this, [this] {
        HideTranslation();
        Refresh();
    });
    btn_lista_gora = new TFCSImage1(this);
    btn_lista_gora->setObjectName("btn_lista_gora");
    btn_lista_gora->setGeometry(kLeft + WordListPage::kWidth + 8, kListTop, 24, 24);
    btn_lista_dol = new TFCSImage1(this);
    btn_lista_dol->setObjectName("btn_lista_dol");
    btn_lista_dol->setGeometry(kLeft + WordListPage::kWidth + 8, kListTop + WordListPage::kHeight - 24, 24, 24);
    for (TFCSImage1* arrow : {btn_lista_gora, btn_lista_dol}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->hide();
    }
    connect(btn_lista_gora, &TMImage::clicked, this, [this] { ScrollList(-1); });
    connect(btn_lista_dol, &TMImage::clicked, this, [this] { ScrollList(1); });

    tlumacz_tlo = new QLabel(this);
    tlumacz_tlo->setObjectName("tlumacz_tlo");
    tlumacz_tlo->setScaledContents(true);
    tlumacz_tlo->setAttribute(Qt::WA_TransparentForMouseEvents);
    tlumacz_tlo->hide();
    lbl_tlumaczenie = TextLabel(this, "lbl_tlumaczenie", QRect(0, 0, 10, 24), PointFont(face, 11), Qt::black);
    for (QLabel* label : {L_Slowko, L_Polecenie, L_Poprawna, L_tlumaczenie, L_zdanie, lbl_tlumaczenie}) label->hide();
    lbl_tlumaczenie->setAttribute(Qt::WA_TransparentForMouseEvents);
    img_glosnik2 = new TMImage(this);
    img_glosnik2->setObjectName("img_glosnik2");
    img_glosnik2->setCursor(Qt::PointingHandCursor);
    img_glosnik2->hide();
    connect(img_glosnik2, &TMImage::clicked, this, [this] {
        trainer_.ReplayTake();
        Refresh();
    });

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(VocabTrainer::kTakeLimitMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        trainer_.TakeTimerFired();
        Refresh();
        dxramka_mat->update();
    });

    trainer_.onScreenChanged = [this] { Refresh(); };
    trainer_.showInfo = [this](const std::string& text) { forms_.form20->ShowMessage(text); };
}

TForm4::~TForm4() = default;

bool TForm4::OpenExercise(const std::string& exerciseId, const std::string& wordListName, int requestedStage) {
    const std::string path = context_.startup.ProgramDir + "cw_r\\" + wordListName + ".bc4";
    try {
        Problems problems;
        LoadWordList(path, trainer_.Store(), problems);
        MapItems(trainer_.Store());
    } catch (const std::exception& error) {
        if (context_.services.messages) context_.services.messages->Error(error.what());
        return false;
    }

    // Opening: the pictures, then the trainer on the stage asked for.
    const StartupState& state = context_.startup;
    btn_slownik->setToolTip(ToQt(UiText(context_.course.interfaceTexts, 161)));
    const std::string panel = state.ProgramDir + "gfx_r\\panel_prawy_teksty_" + state.CourseLetter + ".bmp";
    img_panel->setPixmap(LoadPicture(panel));
    std::string missing = img_panel->pixmap().isNull() ? panel : std::string();
    TMyImageList& images = forms_.form5->MyImageList1;
    for (int k = 0; k < 4; ++k) Wyr[static_cast<size_t>(k)]->setPixmap(images.FramePixmap(pictures::BookmarkA + k, 0));
    img_ok->setPixmap(IconPicture("werdykt_ok"));
    img_bad->setPixmap(IconPicture("werdykt_zle"));
    dxramka_mat->Img_mik = IconPicture("img_mikrofon");
    dxramka_mat->Img_mik_on = IconPicture("img_mikrofon_on");
    dxramka_mat->img_glosnik = IconPicture("img_glosnik");
    g_zdanie->setPixmap(dxramka_mat->img_glosnik);
    img_glosnik2->setPixmap(IconPicture("img_glosnik2"));
    img_glosnik2->resize(18, 18);
    f_zdanie->setPixmap(forms_.form5->Flaga_Tlum);
    tlumacz_tlo->setPixmap(IconPicture("tlumacz_tlo"));
    btn_lista_gora->setPixmap(images.FramePixmap(pictures::ListUp, 0));
    btn_lista_dol->setPixmap(images.FramePixmap(pictures::ListDown, 0));
    for (int n = 1; n <= 5 && missing.empty(); ++n)
        for (const char* suffix : {"", "a"}) {
            const std::string tab = state.ProgramDir + "but_r\\zakl\\_" + std::to_string(n) + suffix + ".bmp";
            if (!FileExists(tab)) missing = tab;
        }
    if (!missing.empty() && context_.services.messages) context_.services.messages->Error("Brak pliku: " + missing);

    ShowCentred(*this);
    tabsShownFor_ = -1;
    trainer_.Open(exerciseId, requestedStage);
    Refresh();
    return true;
}

void TForm4::ShowTabs() {
    const int stage = trainer_.Screen().stage;
    for (int n = 1; n <= 5; ++n) {
        TMImage* tab = zak[static_cast<size_t>(n - 1)];
        tab->setPixmap(LoadPicture(context_.startup.ProgramDir + "but_r\\zakl\\_" + std::to_string(n) +
                                   (n == stage ? "a" : "") + ".bmp"));
        tab->setToolTip(ToQt(trainer_.TabHint(n)));
        tab->show();
    }
    tabsShownFor_ = stage;
}

void TForm4::PlaceExampleLine() {
    const int top = trainer_.Screen().stage == 1 ? kListExampleTop : kQuestionExampleTop;
    f_zdanie->setGeometry(kLeft, top + 4, 18, 18);
    g_zdanie->setGeometry(kLeft + 24, top + 4, 18, 18);
    L_zdanie->move(100, top);
}

void TForm4::Refresh() {
    const TrainerScreen& s = trainer_.Screen();
    const TrainerQuestion& q = trainer_.Question();
    if (s.background != backgroundShown_) {
        img_tlo->setPixmap(LoadPicture(s.background));
        backgroundShown_ = s.background;
    }
    if (tabsShownFor_ != s.stage) ShowTabs();
    btn_play->setVisible(s.playVisible);

    L_Polecenie->setText(ToQt(s.instruction));
    L_Polecenie->setVisible(s.instructionVisible);
    L_Slowko->setText(ToQt(s.word));
    L_Slowko->setVisible(s.wordVisible);
    dxramka->SetText(s.frameText, s.frameColour);
    dxramka->setVisible(s.frameVisible);
    for (size_t k = 0; k < 4; ++k) {
        const bool shown = s.optionsVisible && q.Choice.Used[k];
        L_Odp[k]->setText(ToQt(q.Choice.Options[k]));
        L_Odp[k]->setVisible(shown);
        Wyr[k]->setVisible(shown);
        if (!shown) SetTextColour(*L_Odp[k], Qt::black);
    }
    if (typingClears_ != s.typingClears) {
        E_Wpisana->clear();
        typingClears_ = s.typingClears;
    }
    if (!s.typingVisible && E_Wpisana->hasFocus()) setFocus();
    E_Wpisana->setVisible(s.typingVisible);
    if (presentations_ != s.presentations) {
        presentations_ = s.presentations;
        if (s.typingVisible) E_Wpisana->setFocus();
    }
    B_OK->setVisible(s.okVisible);
    b_repeat->setVisible(s.repeatVisible);

    L_Poprawna->setText(ToQt(s.rightAnswer));
    L_Poprawna->move(s.rightAnswerLeft, L_Poprawna->y());
    L_Poprawna->setVisible(s.rightAnswerVisible);
    img_ok->setVisible(s.okIconVisible);
    img_bad->setVisible(s.badIconVisible);
    img_bad->setToolTip(ToQt(s.badIconHint));
    L_tlumaczenie->setText(ToQt(s.translation));
    L_tlumaczenie->setVisible(s.translationVisible);
    TransparentButton1->setVisible(s.replayVisible);

    PlaceExampleLine();
    L_zdanie->setText(ToQt(s.example));
    L_zdanie->setVisible(s.exampleVisible);
    f_zdanie->setToolTip(ToQt(s.exampleHint));
    f_zdanie->setVisible(s.exampleVisible);
    g_zdanie->setVisible(s.exampleVisible);

    panel_wynik->SetWynik(s.gauge);
    panel_wynik->setVisible(s.gaugeVisible);

    const WordListPage& page = trainer_.Page();
    dxramka_mat->setVisible(s.wordListVisible);
    btn_lista_gora->setVisible(s.wordListVisible && page.Scrollable());
    btn_lista_dol->setVisible(s.wordListVisible && page.Scrollable());
    if (!s.wordListVisible) HideTranslation();
    bool replayShown = false;
    if (s.takeReplayVisible && s.takeReplayRow >= 1 && static_cast<size_t>(s.takeReplayRow) <= page.Rows().size()) {
        const WordListRow& row = page.Rows()[static_cast<size_t>(s.takeReplayRow) - 1];
        replayShown = s.wordListVisible && page.Shown(row);
        img_glosnik2->move(kTakeReplayLeft, kListTop + page.PageY(row.top));
    }
    img_glosnik2->setVisible(replayShown);
    img_glosnik2->raise();

    if (s.takeTimerRunning && !Timer1->isActive()) Timer1->start();
    if (!s.takeTimerRunning) Timer1->stop();
}

void TForm4::PointerOverList(QPoint at) {
    const WordListPage::Hover hover = trainer_.Page().HoverAt(at.x(), at.y());
    dxramka_mat->setCursor(hover.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (!hover.translation) {
        HideTranslation();
        return;
    }
    const int entry = trainer_.Page().Rows()[static_cast<size_t>(hover.row) - 1].entry;
    lbl_tlumaczenie->setText(ToQt(trainer_.Store().Entries[static_cast<size_t>(entry) - 1].Translation));
    lbl_tlumaczenie->adjustSize();
    const int x = kLeft + hover.labelX, y = kListTop + hover.labelY;
    tlumacz_tlo->setGeometry(x, y, std::max(240, lbl_tlumaczenie->width() + 16), 24);
    lbl_tlumaczenie->move(x + 8, y + (24 - lbl_tlumaczenie->height()) / 2);
    tlumacz_tlo->show();
    tlumacz_tlo->raise();
    lbl_tlumaczenie->show();
    lbl_tlumaczenie->raise();
}

void TForm4::HideTranslation() {
    lbl_tlumaczenie->hide();
    lbl_tlumaczenie->clear();
    tlumacz_tlo->hide();
}

void TForm4::ScrollList(int rows) {
    trainer_.Page().Scroll(rows);
    HideTranslation();
    dxramka_mat->update();
    Refresh();
}

void TForm4::OkClicked() {
    trainer_.OkClicked(FromQt(E_Wpisana->text()));
    Refresh();
}

bool TForm4::HandleKey(QKeyEvent* event) {
    const TrainerScreen& s = trainer_.Screen();
    const TrainerQuestion& q = trainer_.Question();
    switch (event->key()) {
        case Qt::Key_F4:
            trainer_.RandomBackground();
            Refresh();
            return true;
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
        case Qt::Key_4:
            // A choice question on screen (it may show fewer than four options).
            if (q.Answered || !s.optionsVisible) return false;
            trainer_.ChooseOption(event->key() - Qt::Key_0);
            Refresh();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!B_OK->isVisible()) return false;
            OkClicked();
            return true;
        case Qt::Key_F5:
            if (q.GivenAnswer.empty()) return false;
            forms_.form6->ShowAnswer(q.GivenAnswer);
            return true;
        case Qt::Key_F1:
            forms_.help->ShowHelpPage("h_comp.html#slowka");
            return true;
        case Qt::Key_Space:
            if (!s.exampleVisible) return false;
            trainer_.PlayExample();
            return true;
        default:
            return false;
    }
}

void TForm4::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == E_Wpisana && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // The window sees every key first; then the letters other courses type with Ctrl.
        if (HandleKey(key)) return true;
        AccentKeys letters(context_.startup.CourseVariant);
        const Qt::KeyboardModifiers mods = key->modifiers();
        letters.TakeKeyDown(key->key(), mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
        if (letters.PendingLetter != ' ') {
            E_Wpisana->insert(ToQt(std::string(1, letters.TakeKeyPress(' '))));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::closeEvent(QCloseEvent* event) {
    trainer_.Close();
    Timer1->stop();
    HideTranslation();
    img_tlo->clear();
    img_panel->clear();
    backgroundShown_.clear();
    QWidget::closeEvent(event);
}

}  // namespace quillan
