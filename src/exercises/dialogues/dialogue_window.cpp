#include "exercises/dialogues/dialogue_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "forms/shared_forms.h"
#include "forms/window_keys.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/page_printing.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"

namespace quillan {
namespace {

constexpr int kControlSize = 18;
constexpr int kPanelLeft = 924;

QFont TextFont(const AppContext& context, int points) { return PointFont(ToQt(context.startup.InterfaceFont), points); }

}  // namespace

// ----- PaintBox1 -----

DialogueTextBox::DialogueTextBox(TDialogi_Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setObjectName("PaintBox1");
    setMouseTracking(true);
}

DialogueMetrics DialogueTextBox::Metrics() const {
    DialogueMetrics metrics;
    const QFontMetrics measure(font());
    metrics.textWidth = [measure](const std::string& text) { return measure.horizontalAdvance(ToQt(text)); };
    metrics.speakerWidth = form_.dial[0].isNull() ? kControlSize : form_.dial[0].width();
    if (!form_.img_pyt.isNull()) {
        metrics.questionWidth = form_.img_pyt.width();
        metrics.questionHeight = form_.img_pyt.height();
    }
    metrics.height = height();
    return metrics;
}

void DialogueTextBox::paintEvent(QPaintEvent*) {
    const DialogueExercise& exercise = form_.Exercise();
    if (!exercise.Current()) return;
    QPainter painter(this);
    painter.setFont(font());
    const QFontMetrics measure(font());
    const DialogueLayout& layout = exercise.Layout();
    const int offset = exercise.Screen().offset;
    const int baseline = (kDialogueRowHeight - measure.height()) / 2 + measure.ascent();
    for (size_t n = 0; n < layout.lines.size() && n < exercise.Lines().size(); ++n) {
        const DialogueLineLayout& line = layout.lines[n];
        const DialogueLineState& state = exercise.Lines()[n];
        const int top = DialogueRowTop(line.firstRow, offset);
        if (top >= height()) break;  // the lines below the box are not drawn
        if (top + line.rows * kDialogueRowHeight <= 0) continue;
        if (state.speaker >= 1 && state.speaker <= 5) painter.drawPixmap(0, top + 1, form_.dial[static_cast<size_t>(state.speaker) - 1]);
        painter.setPen(state.active ? QColor(0, 0, 0xff) : QColor(Qt::black));
        for (const DialoguePiece& piece : line.pieces) {
            const int y = DialogueRowTop(piece.row, offset);
            if (y + kDialogueRowHeight <= 0 || y >= height()) continue;
            if (piece.kind == DialoguePiece::Kind::Word)
                painter.drawText(piece.x, y + baseline, ToQt(piece.text));
            else
                painter.drawPixmap(piece.x, y + 1, form_.img_pyt);
        }
    }
}

void DialogueTextBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const DialogueExercise& exercise = form_.Exercise();
    const int line = DialogueLineAt(exercise.Layout(), exercise.Screen().offset, at.x(), at.y(), exercise.Metrics());
    setCursor(exercise.LineClickable(line) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void DialogueTextBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clickedAt(event->position().toPoint());
}

void DialogueTextBox::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) return;
    form_.Exercise().Scroll(-steps);
    form_.Refresh();
}

// ----- the word labels -----

DialogueWordLabel::DialogueWordLabel(int gap, QWidget* parent) : QLabel(parent), gap_(gap) {
    setObjectName(QString("lbl_%1").arg(gap + 1));
    setTextFormat(Qt::PlainText);  // a word of the course, shown as written
    setCursor(Qt::OpenHandCursor);
    setStyleSheet("QLabel { background: #FFFCEC; border: 1px solid #A3C7DC; border-radius: 4px; color: #0E2A47; }");
    hide();
}

void DialogueWordLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = true;
    dragging_ = false;
    pressedAt_ = event->globalPosition().toPoint();
}

void DialogueWordLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!pressed_) return;
    const QPoint global = event->globalPosition().toPoint();
    if (!dragging_ && (global - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return;
    if (!dragging_) {
        dragging_ = true;
        raise();
        emit dragStarted(gap_);
    }
    const QPoint at = parentWidget()->mapFromGlobal(global);
    move(at - QPoint(width() / 2, height() / 2));
}

void DialogueWordLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    if (!dragging_) {
        emit leftInPlace(gap_);
        return;
    }
    dragging_ = false;
    emit dropped(gap_, parentWidget()->mapFromGlobal(event->globalPosition().toPoint()));
}

// ----- the window -----

TDialogi_Form::TDialogi_Form(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), exercise_(context) {
    SetUpCourseWindow(*this, "TDialogi_Form", context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;

    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(0, 0, 1024, 768);
    img_panel = new QLabel(this);
    img_panel->setObjectName("img_panel");
    img_panel->setGeometry(kPanelLeft, 0, 100, 768);

    lbl_polecenie = new QLabel(this);
    lbl_polecenie->setObjectName("lbl_polecenie");
    lbl_polecenie->setFont(TextFont(context_, 11));
    lbl_polecenie->setWordWrap(true);
    lbl_polecenie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl_polecenie->setTextFormat(Qt::PlainText);

    PaintBox1 = new DialogueTextBox(*this, this);
    PaintBox1->setFont(TextFont(context_, 10));
    PaintBox1->resize(DialogueExercise::kWideWidth, kDialogueVisibleRows * kDialogueRowHeight + 2);
    connect(PaintBox1, &DialogueTextBox::clickedAt, this, [this](QPoint at) {
        exercise_.ClickAt(at.x(), at.y());
        Refresh();
    });

    for (size_t n = 0; n < Image.size(); ++n) {
        auto* tab = new TMImage(this);
        Image[n] = tab;
        tab->setObjectName(QString("Image%1").arg(n + 1));
        tab->Tag = static_cast<int>(n) + 1;
        tab->setCursor(Qt::PointingHandCursor);
        tab->hide();
        connect(tab, &TMImage::clicked, this, [this, n] {
            exercise_.ChooseTab(static_cast<int>(n) + 1);
            Refresh();
        });
    }

    auto button = [&](const char* name, int picture, int top) {
        TTransparentButton* b = ImageButton(this, images, picture, name);
        b->move(kButtonLeft, top);
        b->hide();
        return b;
    };
    btn_playAll = button("btn_playAll", pictures::DialoguePlay, 210);
    connect(btn_playAll, &TTransparentButton::clicked, this, [this] {
        exercise_.PlayAll();
        Refresh();
    });
    const char* roleNames[] = {"btn_play_A", "btn_play_B", "btn_play_C", "btn_play_D"};
    for (size_t r = 0; r < btn_play.size(); ++r) {
        btn_play[r] = button(roleNames[r], pictures::DialoguePlayA + static_cast<int>(r), 250 + 40 * static_cast<int>(r));
        connect(btn_play[r], &TTransparentButton::clicked, this, [this, r] {
            exercise_.PlayRole(static_cast<int>(r) + 1);
            Refresh();
        });
    }
    btn_odtworz = button("btn_odtworz", pictures::DialogueStart, 210);
    connect(btn_odtworz, &TTransparentButton::clicked, this, [this] {
        exercise_.ReplayItem();
        Refresh();
    });
    btn_nastepne = button("btn_nastepne", pictures::DialogueNext, 420);
    connect(btn_nastepne, &TTransparentButton::clicked, this, [this] {
        exercise_.DrawAgain();
        Refresh();
    });
    btn_print = button("btn_print", pictures::DialoguePrint, 540);
    btn_print->show();
    connect(btn_print, &TTransparentButton::clicked, this, &TDialogi_Form::Print);
    btn_tlumacz = new TMImage(this);
    btn_tlumacz->setObjectName("btn_tlumacz");
    btn_tlumacz->setGeometry(kButtonLeft, 584, 33, 24);
    btn_tlumacz->setScaledContents(true);
    btn_tlumacz->setCursor(Qt::PointingHandCursor);
    btn_tlumacz->hide();
    connect(btn_tlumacz, &TMImage::clicked, this, [this] {
        Stop();
        forms_.informacja->PanelKey = exercise_.GlossaryKey();
        forms_.informacja->exec();
    });
    btn_help = button("btn_help", pictures::Help, 620);
    btn_help->show();
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        Stop();
        forms_.informacja->PanelKey = exercise_.HelpKey();
        forms_.informacja->exec();
    });
    btn_slownik = button("btn_slownik", pictures::Dictionary, 660);
    btn_slownik->show();
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        Stop();
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    btn_exit = button("btn_exit", pictures::ClosePanel, 712);
    btn_exit->move(kButtonLeft + 4, 712);
    btn_exit->show();
    connect(btn_exit, &TTransparentButton::clicked, this, &QWidget::close);

    btn_up = new TFCSImage1(this);
    btn_up->setObjectName("btn_up");
    btn_dn = new TFCSImage1(this);
    btn_dn->setObjectName("btn_dn");
    for (TFCSImage1* arrow : {btn_up, btn_dn}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->hide();
    }
    connect(btn_up, &TMImage::clicked, this, [this] {
        exercise_.Scroll(-1);
        Refresh();
    });
    connect(btn_dn, &TMImage::clicked, this, [this] {
        exercise_.Scroll(1);
        Refresh();
    });

    for (size_t n = 0; n < Nag.size(); ++n) {
        const int line = static_cast<int>(n) + 1;
        Nag[n] = new TMImage(this);
        Nag[n]->setObjectName(QString("Nag_%1").arg(line));
        Lek[n] = new TMImage(this);
        Lek[n]->setObjectName(QString("Lek_%1").arg(line));
        for (TMImage* control : {Nag[n], Lek[n]}) {
            control->resize(kControlSize, kControlSize);
            control->setCursor(Qt::PointingHandCursor);
            control->hide();
        }
        connect(Nag[n], &TMImage::mouseDown, this, [this, line](QMouseEvent* event) {
            if (event->button() != Qt::LeftButton) return;
            exercise_.RecordPressed(line);
            Refresh();
        });
        connect(Nag[n], &TMImage::mouseUp, this, [this, line](QMouseEvent* event) {
            if (event->button() != Qt::LeftButton) return;
            exercise_.RecordReleased(line);
            Refresh();
        });
        connect(Lek[n], &TMImage::clicked, this, [this, line] {
            exercise_.ToggleOwnRecording(line);
            Refresh();
        });
    }

    word_panel = new QLabel(this);
    word_panel->setObjectName("word_panel");
    word_panel->setStyleSheet("QLabel { background: rgba(233, 247, 250, 220); border: 1px solid #A3C7DC; border-radius: 8px; }");
    word_panel->hide();
    for (size_t g = 0; g < lbl.size(); ++g) {
        lbl[g] = new DialogueWordLabel(static_cast<int>(g), this);
        lbl[g]->setFont(TextFont(context_, 10));
        connect(lbl[g], &DialogueWordLabel::dragStarted, this, [this](int gap) { exercise_.StartDrag(gap); });
        connect(lbl[g], &DialogueWordLabel::dropped, this, [this](int gap, QPoint at) {
            const QPoint inText = PaintBox1->mapFrom(this, at);
            exercise_.DropWord(gap, inText.x(), inText.y());
            Refresh();
        });
        connect(lbl[g], &DialogueWordLabel::leftInPlace, this, [this](int) { Refresh(); });
    }

    panel_wynik = new TPanel1(this);
    panel_wynik->setObjectName("panel_wynik");
    panel_wynik->hide();

    PauseTimer = new QTimer(this);
    PauseTimer->setObjectName("PauseTimer");
    PauseTimer->setSingleShot(true);
    connect(PauseTimer, &QTimer::timeout, this, [this] {
        exercise_.PauseEnded();
        Refresh();
    });
    exercise_.startPause = [this](int ms) { PauseTimer->start(ms); };
    exercise_.cancelPause = [this] { PauseTimer->stop(); };
    exercise_.showInfo = [this](const std::string& text) { forms_.form20->ShowMessage(text); };
    exercise_.onScreenChanged = [this] { Refresh(); };
}

TDialogi_Form::~TDialogi_Form() {
    exercise_.onScreenChanged = nullptr;
    exercise_.startPause = nullptr;
    exercise_.cancelPause = nullptr;
}

void TDialogi_Form::LoadPictures() {
    const char* speakers[] = {"dial_a", "dial_b", "dial_c", "dial_d", "dial_e"};
    for (size_t s = 0; s < dial.size(); ++s) dial[s] = IconPicture(speakers[s]);
    img_pyt = IconPicture("img_pyt");
    img_mikrofon = IconPicture("img_mikrofon");
    img_mikrofon_on = IconPicture("img_mikrofon_on");
    img_0 = IconPicture("img_0");
    img_1 = IconPicture("img_1");
    img_panel->setPixmap(LoadPicture(context_.startup.ProgramDir + "gfx_r\\panel_dialogi.bmp"));
    btn_tlumacz->setPixmap(forms_.form5->Flaga_Tlum);
    TMyImageList& images = forms_.form5->MyImageList1;
    btn_up->setPixmap(images.FramePixmap(pictures::ArrowUp, 0));
    btn_dn->setPixmap(images.FramePixmap(pictures::ArrowDown, 0));
    btn_up->resize(btn_up->pixmap().isNull() ? QSize(24, 24) : btn_up->pixmap().size());
    btn_dn->resize(btn_dn->pixmap().isNull() ? QSize(24, 24) : btn_dn->pixmap().size());
}

bool TDialogi_Form::OpenExercise(const std::string& exerciseId, int dialogueNumber, int variant) {
    LoadPictures();
    exercise_.SetMetrics(PaintBox1->Metrics());
    if (!exercise_.Open(dialogueNumber, variant, exerciseId)) return false;
    const bool wide = exercise_.Screen().wide;
    const int left = wide ? DialogueExercise::kWideLeft : DialogueExercise::kNarrowLeft;
    const int width = wide ? DialogueExercise::kWideWidth : DialogueExercise::kNarrowWidth;
    lbl_polecenie->setGeometry(left, 36, width, 52);
    PaintBox1->setGeometry(left, kTextTop, width, PaintBox1->height());
    btn_up->move(kScrollLeft, kTextTop);
    btn_dn->move(kScrollLeft, PaintBox1->geometry().bottom() - btn_dn->height());
    panel_wynik->move(left, PaintBox1->geometry().bottom() + 16);

    btn_playAll->setToolTip(ToQt(exercise_.UiTextOf(92)));
    btn_nastepne->setToolTip(ToQt(exercise_.UiTextOf(93)));
    btn_odtworz->setToolTip(ToQt(exercise_.UiTextOf(94)));
    for (size_t r = 0; r < 3; ++r) btn_play[r]->setToolTip(ToQt(exercise_.UiTextOf(95 + static_cast<int>(r))));
    btn_print->setToolTip(ToQt(exercise_.UiTextOf(123)));
    btn_tlumacz->setToolTip(ToQt(exercise_.UiTextOf(160)));
    btn_slownik->setToolTip(ToQt(exercise_.UiTextOf(161)));
    for (size_t n = 0; n < Nag.size(); ++n) {
        Nag[n]->setToolTip(ToQt(exercise_.UiTextOf(98)));
        Lek[n]->setToolTip(ToQt(exercise_.UiTextOf(99)));
    }

    CentreOnScreen(*this);
    backgroundShown_ = "\n";
    tabsShownFor_ = -1;
    Refresh();
    show();
    raise();
    activateWindow();
    setFocus();
    return true;
}

void TDialogi_Form::ShowTabs() {
    const DialogueScreen& s = exercise_.Screen();
    if (tabsShownFor_ == s.variant) return;
    tabsShownFor_ = s.variant;
    for (size_t v = 0; v < Image.size(); ++v) {
        TMImage* tab = Image[v];
        if (!s.tabVisible[v]) {
            tab->hide();
            continue;
        }
        const int c = s.tabNumber[v];
        tab->setPixmap(LoadPicture(context_.startup.ProgramDir + "but_r\\zakl\\" + exercise_.TabPicture(static_cast<int>(v) + 1)));
        tab->resize(tab->pixmap().isNull() ? QSize(64, 22) : tab->pixmap().size());
        tab->move(kTabLeft, c * 25 + 41);
        tab->setToolTip(ToQt(exercise_.TabHint(static_cast<int>(v) + 1)));
        tab->show();
    }
}

void TDialogi_Form::Refresh() {
    if (!exercise_.Current()) return;
    const DialogueScreen& s = exercise_.Screen();
    if (s.background != backgroundShown_) {
        img_tlo->setPixmap(s.background.empty() ? QPixmap() : LoadPicture(s.background));
        backgroundShown_ = s.background;
    }
    ShowTabs();
    lbl_polecenie->setText(ToQt(s.instruction));
    btn_playAll->setVisible(s.playAllVisible);
    for (size_t r = 0; r < btn_play.size(); ++r) btn_play[r]->setVisible(s.roleVisible[r]);
    btn_odtworz->setVisible(s.replayVisible);
    btn_nastepne->setVisible(s.nextVisible);
    btn_tlumacz->setVisible(s.glossaryVisible);
    panel_wynik->SetWynik(s.gauge);
    panel_wynik->setVisible(s.gaugeVisible);
    btn_up->setVisible(exercise_.CanScrollUp());
    btn_dn->setVisible(exercise_.CanScrollDown());
    PlaceLineControls();
    PlaceLabels();
    PaintBox1->update();
}

void TDialogi_Form::PlaceLineControls() {
    const DialogueLayout& layout = exercise_.Layout();
    const int offset = exercise_.Screen().offset;
    const QRect box = PaintBox1->geometry();
    for (size_t n = 0; n < Nag.size(); ++n) {
        const int line = static_cast<int>(n) + 1;
        bool shown = exercise_.HasRecordControls(line) && n < layout.lines.size();
        if (shown) {
            const int top = DialogueRowTop(layout.lines[n].firstRow, offset);
            shown = top > 0 && top < box.height() - 10;
            const DialogueLineState& state = exercise_.Lines()[n];
            Nag[n]->setPixmap(state.recordingNow ? img_mikrofon_on : img_mikrofon);
            Lek[n]->setPixmap(state.recordingState == 2 ? img_1 : img_0);
            Nag[n]->move(box.right() + 6, box.top() + top);
            Lek[n]->move(box.right() + 28, box.top() + top);
        }
        Nag[n]->setVisible(shown);
        Lek[n]->setVisible(shown);
    }
}

void TDialogi_Form::PlaceLabels() {
    const DialogueScreen& s = exercise_.Screen();
    const std::vector<DialogueGap>& gaps = exercise_.Gaps();
    const bool panel = s.variant == 5 && s.wordPanelVisible;
    for (size_t g = 0; g < lbl.size(); ++g) {
        DialogueWordLabel* label = lbl[g];
        const bool shown = panel && g < gaps.size() && !gaps[g].filled;
        if (shown && !label->Dragging()) {
            label->setText(ToQt(gaps[g].label));
            label->adjustSize();
            label->move(DialogueExercise::kLabelLeft, DialogueExercise::kLabelTop + DialogueExercise::kLabelStep * gaps[g].homeSlot);
        }
        label->setVisible(shown);
        if (shown) label->raise();
    }
    if (panel) {
        word_panel->setGeometry(DialogueExercise::kLabelLeft - 10, DialogueExercise::kLabelTop - 10, 180,
                                DialogueExercise::kLabelStep * static_cast<int>(gaps.size()) + 20);
    }
    word_panel->setVisible(panel);
}

void TDialogi_Form::Stop() {
    exercise_.StopPlayback();
    Refresh();
}

void TDialogi_Form::Print() {
    Stop();
    if (!context_.services.printer) return;
    PrintPageText(exercise_.PrintoutHtml(), context_.startup.ProgramDir, context_, *context_.services.printer, *forms_.form20);
}

void TDialogi_Form::keyPressEvent(QKeyEvent* event) {
    if (!TakeWindowKey(*event, forms_.help.get(), "h_comp.html#dialogi", [this] { close(); }))
        QWidget::keyPressEvent(event);
}

void TDialogi_Form::closeEvent(QCloseEvent* event) {
    PauseTimer->stop();
    exercise_.Close();
    img_tlo->clear();
    backgroundShown_ = "\n";
    QWidget::closeEvent(event);
}

}  // namespace quillan
