#include "exercises/sentences/sentence_window.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "audio/accent_keys.h"
#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "exercises/sentences/puzzle_box.h"
#include "exercises/sentences/summary_window.h"
#include "forms/answer_form.h"
#include "forms/shared_forms.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

// Where the controls stand (the window is 1024 x 768; the panel is its right 100 pixels).
constexpr int kLeft = 60;
constexpr int kInfoTop = 150;
constexpr int kWorkTop = 230;          // the puzzle, the typing field, the answer line, the sentence
constexpr int kCheckLeft = kLeft + 620;
constexpr int kPanelLeft = 924;
constexpr int kTabLeft = 942, kTabTop = 66, kTabStep = 25;
constexpr int kSideButtonLeft = 957;
constexpr int kStatLeft = kPanelLeft + 44, kStatTop = 562, kStatStep = 28;

// The keys that only move the cursor in a typing field (with Shift, selecting).
bool MovesTheCursor(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

TZdaniaForm::TZdaniaForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), exercise_(context) {
    SetUpCourseWindow(*this, "TZdaniaForm", context_.startup.AppTitle);
    setMouseTracking(true);
    TMyImageList& images = forms_.form5->MyImageList1;
    const QString face = ToQt(context_.startup.InterfaceFont);

    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(0, 0, kPanelLeft, 768);
    img_tlo->setScaledContents(true);
    img_tlo->setAttribute(Qt::WA_TransparentForMouseEvents);  // a click on it is a click on the window
    img_panel = new QLabel(this);
    img_panel->setObjectName("img_panel");
    img_panel->setGeometry(kPanelLeft, 0, 100, 768);

    for (int n = 0; n < 3; ++n) {
        TMImage* tab = new TMImage(this);
        Image[static_cast<size_t>(n)] = tab;
        tab->setObjectName(QString("Image%1").arg(n + 1));
        tab->Tag = n + 1;
        tab->setGeometry(kTabLeft, kTabTop + kTabStep * n, 64, 22);
        tab->setCursor(Qt::PointingHandCursor);
        connect(tab, &TMImage::clicked, this, [this, n] {
            exercise_.ClickTab(n + 1);
            Refresh();
        });
    }
    auto button = [&](const char* name, int picture, int left, int top) {
        TTransparentButton* b = ImageButton(this, images, picture, name);
        b->move(left, top);
        return b;
    };
    btn_play = button("btn_play", pictures::Speaker, kSideButtonLeft, 200);
    connect(btn_play, &TTransparentButton::clicked, this, [this] { exercise_.PlaySentence(); });
    K_Nagraj = new TMImage(this);
    K_Nagraj->setObjectName("K_Nagraj");
    K_Nagraj->setGeometry(kSideButtonLeft - 4, 250, 40, 40);
    K_Nagraj->setCursor(Qt::PointingHandCursor);
    connect(K_Nagraj, &TMImage::mouseDown, this, [this](QMouseEvent* event) {
        if (event->button() != Qt::LeftButton) return;
        exercise_.RecordPressed();
        Refresh();
    });
    connect(K_Nagraj, &TMImage::mouseUp, this, [this](QMouseEvent* event) {
        if (event->button() != Qt::LeftButton) return;
        exercise_.RecordReleased();
        Refresh();
    });
    connect(K_Nagraj, &TMImage::mouseEnter, this, [this] {
        if (!exercise_.Screen().recording) SetRecordPicture("nagraj_c");
    });
    connect(K_Nagraj, &TMImage::mouseLeave, this, [this] {
        if (!exercise_.Screen().recording) SetRecordPicture("nagraj_a");
    });
    k_play_nagrane = button("k_play_nagrane", pictures::SmallSpeaker, kSideButtonLeft + 6, 300);
    k_play_nagrane->setToolTip(QString::fromUtf8("Porównaj nagrania"));
    connect(k_play_nagrane, &TTransparentButton::clicked, this, [this] {
        exercise_.CompareTakes();
        Refresh();
    });
    btn_slownik = button("btn_slownik", pictures::Dictionary, kSideButtonLeft, 500);
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    btn_exit = button("btn_exit", pictures::ClosePanel, kSideButtonLeft + 4, 712);
    connect(btn_exit, &TTransparentButton::clicked, this, [this] {
        if (exercise_.ExitClicked()) close();
    });

    for (int k = 0; k < 4; ++k) {
        QLabel* stat = new QLabel(this);
        L_Stat[static_cast<size_t>(k)] = stat;
        stat->setObjectName(QString("L_Stat%1").arg(k + 1));
        stat->setGeometry(kStatLeft, kStatTop + kStatStep * k, 46, 18);
        stat->setFont(PointFont(face, 10, true));
        SetTextColour(*stat, QColor(0x0e, 0x2a, 0x47));
    }

    lbl_info = new TMLabel(this);
    lbl_info->setObjectName("lbl_info");
    lbl_info->setGeometry(kLeft, kInfoTop, 820, 56);
    lbl_info->setFont(PointFont(face, 12));
    lbl_info->setWordWrap(true);
    lbl_info->setTextFormat(Qt::PlainText);
    lbl_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(lbl_info, &TMImage::clicked, this, [this] {
        if (exercise_.Checked()) ShowAnswer();
    });
    lbl_odp = SentenceLabel(this, "lbl_odp", QRect(kLeft, kWorkTop, 600, 90), PointFont("Arial", 16, true),
                            QColor(0x12, 0x3a, 0x5e));

    pb_tresc = new TPuzzleBox(exercise_, this);
    pb_tresc->move(kLeft, kWorkTop);
    pb_tresc->hide();
    connect(pb_tresc, &TPuzzleBox::pointerMoved, this, [this](QPoint at) {
        exercise_.PuzzlePointerMoved(at.x(), at.y());
        ShowPuzzleMarks();
    });
    connect(pb_tresc, &TPuzzleBox::pressed, this, [this](QPoint at, bool left) {
        exercise_.PuzzlePressed(at.x(), at.y(), left);
        Refresh();
    });
    connect(pb_tresc, &TPuzzleBox::draggedTo, this, [this](QPoint at) {
        exercise_.PuzzleDraggedTo(at.x(), at.y());
        ShowPuzzleMarks();
    });
    connect(pb_tresc, &TPuzzleBox::dropped, this, [this](QPoint at) {
        exercise_.PuzzleDropped(at.x(), at.y());
        Refresh();
    });
    Shape2 = new QFrame(this);
    Shape2->setObjectName("Shape2");
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setStyleSheet("QFrame { border: 1px solid #00659C; border-radius: 3px; background: transparent; }");
    Shape2->setAttribute(Qt::WA_TransparentForMouseEvents);  // a press on it is a press on the word
    Shape2->hide();
    shape1 = new TMImage(this);
    shape1->setObjectName("shape1");
    shape1->resize(6, 24);
    shape1->setStyleSheet("background: #F5A623; border-radius: 2px;");
    shape1->setCursor(Qt::PointingHandCursor);
    shape1->hide();
    connect(shape1, &TMImage::mouseDown, this, [this](QMouseEvent*) {
        exercise_.PuzzleMarkPressed();
        Refresh();
    });
    MLabel1 = new QLabel(this);
    MLabel1->setObjectName("MLabel1");
    MLabel1->setFont(PuzzleFont());
    MLabel1->setTextFormat(Qt::PlainText);
    SetTextColour(*MLabel1, QColor(0x00, 0x65, 0x9c));
    MLabel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    MLabel1->hide();

    Memo2 = new QLineEdit(this);
    Memo2->setObjectName("Memo2");
    Memo2->setGeometry(kLeft, kWorkTop, 600, 40);
    Memo2->setFont(PointFont("Arial", 16));
    Memo2->hide();
    Memo2->installEventFilter(this);

    lbl_1 = SentenceLabel(this, "lbl_1", QRect(kLeft, kWorkTop, 820, 60), PointFont("Arial", 18, true),
                          QColor(0x0e, 0x2a, 0x47));
    lbl_2 = SentenceLabel(this, "lbl_2", QRect(kLeft, kWorkTop + 64, 820, 56), PointFont(face, 14), QColor(0x00, 0x65, 0x9c));
    for (QLabel* label : {lbl_odp, lbl_1, lbl_2}) label->hide();

    btn_sprawdz = button("btn_sprawdz", 39, kCheckLeft, kWorkTop);
    connect(btn_sprawdz, &TTransparentButton::clicked, this, &TZdaniaForm::Check);
    btn_sprawdz_3 = button("btn_sprawdz_3", 39, kLeft, kWorkTop + 10);
    connect(btn_sprawdz_3, &TTransparentButton::clicked, this, [this] {
        exercise_.RevealClicked();
        Refresh();
    });
    btn_tak = button("btn_tak", 41, kLeft, kWorkTop + 140);
    connect(btn_tak, &TTransparentButton::clicked, this, [this] {
        exercise_.KnewClicked(true);
        Refresh();
    });
    btn_nie = button("btn_nie", 42, kLeft + 200, kWorkTop + 140);
    connect(btn_nie, &TTransparentButton::clicked, this, [this] {
        exercise_.KnewClicked(false);
        Refresh();
    });
    btn_nastepne = button("btn_nastepne", 45, kLeft, kWorkTop + 140);
    connect(btn_nastepne, &TTransparentButton::clicked, this, [this] {
        exercise_.NextClicked();
        Refresh();
    });
    for (TTransparentButton* b : {btn_sprawdz, btn_sprawdz_3, btn_tak, btn_nie, btn_nastepne}) b->hide();
    k_play_nagrane->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    Timer1->setInterval(SentenceExercise::kTakeLimitMs);
    connect(Timer1, &QTimer::timeout, this, [this] {
        exercise_.TakeTimerFired();
        Refresh();
    });

    exercise_.onScreenChanged = [this] { Refresh(); };
    exercise_.showInfo = [this](const std::string& text) { forms_.form20->ShowMessage(text); };
    exercise_.showSummary = [this](const SummaryRequest& summary) { return ShowSummary(*forms_.form25, summary); };
    exercise_.closeWindow = [this] { close(); };
}

TZdaniaForm::~TZdaniaForm() = default;

void TZdaniaForm::SetRecordPicture(const char* name) { K_Nagraj->setPixmap(IconPicture(name)); }

bool TZdaniaForm::OpenExercise(const std::string& exerciseId, int package, int kind) {
    if (isVisible()) close();  // the exercise open before reports first
    tabsShownFor_ = -1;
    if (!exercise_.Open(exerciseId, package, kind)) return false;

    // Showing: the pictures and the hints.
    const InterfaceTexts& texts = context_.course.interfaceTexts;
    img_panel->setPixmap(LoadPicture(context_.startup.ProgramDir + "gfx_r\\pod_pasek.bmp"));
    SetRecordPicture("nagraj_a");
    btn_play->setToolTip(ToQt(UiText(texts, 45)));
    K_Nagraj->setToolTip(ToQt(UiText(texts, 46)));
    k_play_nagrane->setToolTip(ToQt(UiText(texts, 47)));
    btn_slownik->setToolTip(ToQt(UiText(texts, 161)));
    for (int n = 1; n <= 3; ++n) Image[static_cast<size_t>(n - 1)]->setToolTip(ToQt(exercise_.TabHint(n)));
    // The dictionary button always shows: no classroom setting withholds it.
    btn_slownik->show();
    Image[2]->show();
    Timer1->stop();

    ShowCentred(*this);
    Refresh();
    if (Memo2->isVisible()) Memo2->setFocus();
    return true;
}

void TZdaniaForm::ShowTabs() {
    const int tab = exercise_.Screen().tab;
    for (int n = 1; n <= 3; ++n)
        Image[static_cast<size_t>(n - 1)]->setPixmap(LoadPicture(context_.startup.ProgramDir + "but_r\\zakl\\dial_" +
                                                                 std::to_string(n) + (n == tab ? "a" : "") + ".bmp"));
    tabsShownFor_ = tab;
}

void TZdaniaForm::ShowPuzzleMarks() {
    const PuzzleMarks& marks = exercise_.Puzzle().Marks();
    const QPoint origin = pb_tresc->pos();
    const bool puzzle = exercise_.Screen().puzzleVisible;
    Shape2->setGeometry(origin.x() + marks.frame.x, origin.y() + marks.frame.y, marks.frame.width, marks.frame.height);
    Shape2->setVisible(puzzle && marks.frameVisible);
    pb_tresc->setCursor(marks.hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    shape1->move(origin.x() + marks.markX, origin.y() + marks.markY);
    shape1->setVisible(puzzle && marks.markVisible);
    MLabel1->setText(ToQt(marks.label));
    MLabel1->adjustSize();
    MLabel1->move(origin.x() + marks.labelX, origin.y() + marks.labelY);
    MLabel1->setVisible(puzzle && marks.labelVisible);
    shape1->raise();
    MLabel1->raise();
}

void TZdaniaForm::Refresh() {
    const SentenceScreen& s = exercise_.Screen();
    if (s.background != backgroundShown_) {
        img_tlo->setPixmap(LoadPicture(s.background));
        backgroundShown_ = s.background;
    }
    if (tabsShownFor_ != s.tab) ShowTabs();

    lbl_info->setText(ToQt(s.info));
    SetTextColour(*lbl_info, s.infoRed ? QColor(0xff, 0, 0) : QColor(Qt::black));
    lbl_odp->setText(ToQt(s.answer));
    lbl_odp->setVisible(s.answerVisible);
    for (size_t k = 0; k < 4; ++k) L_Stat[k]->setText(ToQt(s.stats[k]));

    if (puzzleChanges_ != s.puzzleChanges) {
        puzzleChanges_ = s.puzzleChanges;
        const PuzzleMetrics metrics = MetricsOf(pb_tresc->font());
        exercise_.LayOutPuzzle(metrics.width, metrics.lineHeight);
        pb_tresc->resize(PuzzleBoard::kWidth, exercise_.Puzzle().Height());
        pb_tresc->update();
    }
    pb_tresc->setVisible(s.puzzleVisible);
    ShowPuzzleMarks();

    if (typingClears_ != s.typingClears) {
        Memo2->clear();
        typingClears_ = s.typingClears;
    }
    Memo2->setMaxLength(std::max(1, s.typingLimit));
    if (!s.typingVisible && Memo2->hasFocus()) setFocus();
    Memo2->setVisible(s.typingVisible);
    if (presentations_ != s.presentations) {
        presentations_ = s.presentations;
        if (s.typingVisible && isVisible()) Memo2->setFocus();
    }

    lbl_1->setText(ToQt(s.sentence));
    lbl_1->setVisible(s.sentenceVisible);
    lbl_2->setText(ToQt(s.translation));
    lbl_2->setVisible(s.translationVisible);
    btn_sprawdz->setVisible(s.checkVisible);
    btn_sprawdz_3->setVisible(s.revealVisible);
    btn_tak->setVisible(s.yesVisible);
    btn_nie->setVisible(s.noVisible);
    btn_nastepne->setVisible(s.nextVisible);

    k_play_nagrane->setVisible(s.takeReplayVisible);
    if (s.recording)
        SetRecordPicture("nagraj_b");
    else if (!K_Nagraj->underMouse())
        SetRecordPicture("nagraj_a");
    if (s.takeTimerRunning && !Timer1->isActive()) Timer1->start();
    if (!s.takeTimerRunning) Timer1->stop();
}

void TZdaniaForm::Check() {
    exercise_.CheckClicked(FromQt(Memo2->text()));
    Refresh();
}

void TZdaniaForm::ShowAnswer() {
    const std::string answer = exercise_.AnswerToShow();
    if (!answer.empty()) forms_.form6->ShowAnswer(answer);
}

bool TZdaniaForm::HandleKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_W:
            if (!ctrl) return false;
            exercise_.PlaySentence();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (btn_sprawdz->isVisible()) Check();
            return true;  // Enter types nothing
        case Qt::Key_F5:
            ShowAnswer();
            return true;
        case Qt::Key_F1:
            forms_.help->ShowHelpPage("h_comp.html#zda");
            return true;
        case Qt::Key_F4:
            exercise_.NextBackground();
            Refresh();
            return true;
        default:
            return false;
    }
}

void TZdaniaForm::keyPressEvent(QKeyEvent* event) {
    if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

bool TZdaniaForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo2 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        exercise_.KeyTyped();
        // The window sees every key first; then the letters other courses type with Ctrl.
        if (HandleKey(key)) return true;
        AccentKeys letters(context_.startup.CourseVariant);
        const Qt::KeyboardModifiers mods = key->modifiers();
        letters.TakeKeyDown(key->key(), mods & Qt::ShiftModifier, mods & Qt::ControlModifier, mods & Qt::AltModifier);
        if (mods & Qt::ControlModifier) {
            // A key pressed with Ctrl types nothing: no pasting, cutting, undoing or selecting
            // all; the cursor still moves by words.
            if (letters.TypedDespiteCtrl()) {
                Memo2->insert(ToQt(std::string(1, letters.TakeKeyPress(' '))));
                return true;
            }
            return !MovesTheCursor(key->key());
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TZdaniaForm::mousePressEvent(QMouseEvent* event) {
    // The background (the panel is not part of it): the picked word is put back, and the
    // sentence plays again.
    if (event->position().x() >= kPanelLeft) return;
    // The answer, the sentence and its translation lie over the background but are not part of it.
    const QWidget* under = childAt(event->position().toPoint());
    if (under == lbl_odp || under == lbl_1 || under == lbl_2) return;
    exercise_.BackgroundPressed();
    if (btn_play->isVisible()) exercise_.PlaySentence();
    Refresh();
}

void TZdaniaForm::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton && exercise_.Puzzle().Marks().dragging) return;
    exercise_.BackgroundMoved();
    ShowPuzzleMarks();
}

void TZdaniaForm::closeEvent(QCloseEvent* event) {
    exercise_.Close();
    Timer1->stop();
    img_tlo->clear();
    img_panel->clear();
    backgroundShown_.clear();
    QWidget::closeEvent(event);
}

}  // namespace quillan
