#include "exercises/texts/text_exercise_frame.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "audio/media_paths.h"
#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "controls/button_pictures.h"
#include "controls/course_window.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/result_gauge.h"
#include "controls/transparent_button.h"
#include "controls/widget_style.h"
#include "course/current_text.h"
#include "course/exercise_kinds.h"
#include "exercises/texts/marked_text_painter.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_window_controls.h"
#include "forms/shared_forms.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "progress/repetitions.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

// Where the frame's controls stand on the 1024 x 768 screen: the right-hand panel is the right
// 100 pixels with the tabs from y = 66, 25 pixels apart, the glossary button above the panel's
// buttons (text_window_controls places those, and the check button, "again" and the gauge).
constexpr int kPanelLeft = 924;
constexpr int kTabLeft = 942, kTabTop = 66, kTabStep = 25;
constexpr int kSideButtonLeft = 957;
constexpr int kGlossaryTop = 580;
constexpr int kDefaultMediaLeft = 50, kDefaultMediaTop = 10;
constexpr int kDefaultInstructionLeft = 50, kDefaultInstructionTop = 50, kInstructionHeight = 96;
constexpr int kInstructionDesignWidth = 607;
constexpr QRect kScoreBox(kPanelLeft + 10, 480, 80, 44);

}  // namespace

TextExerciseFrame::TextExerciseFrame(AppContext& context, SharedForms& forms, CurrentText& text,
                                     const TextExerciseWindowTraits& traits, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), context_(context), forms_(forms), text_(text), traits_(traits) {
    SetUpCourseWindow(*this, traits_.windowName, context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;

    img_tlo = new QLabel(this);
    img_tlo->setObjectName(traits_.backgroundName);
    img_tlo->setGeometry(0, 0, 1024, 768);
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(kPanelLeft, 0, 1024 - kPanelLeft, 768);

    pb_polecenie = new PaintBox(this);
    pb_polecenie->setObjectName(traits_.instructionName);
    pb_polecenie->setGeometry(kDefaultInstructionLeft, kDefaultInstructionTop, kInstructionDesignWidth, kInstructionHeight);
    pb_polecenie->onPaint = [this](QPainter& painter) {
        PaintMarkedText(painter, pb_polecenie->width(), context_.startup.LangDir, instruction2_, instruction0_,
                        instruction1_, ToQt(context_.startup.InterfaceFont));
    };

    for (int n = 1; n <= static_cast<int>(MImage.size()); ++n) {
        auto* tab = new TMImage(this);
        MImage[static_cast<size_t>(n - 1)] = tab;
        tab->setObjectName(QString("MImage%1").arg(n));
        tab->Tag = n;
        tab->setGeometry(kTabLeft, kTabTop + kTabStep * (n - 1), 64, 22);
        tab->setCursor(Qt::PointingHandCursor);
        tab->hide();
        connect(tab, &TMImage::clicked, this, [this, n] { TabClicked(n); });
    }

    btn_media = ImageButton(this, images, pictures::MediaVideo, "btn_media");
    btn_tlumacz = ImageButton(this, images, pictures::Translation, "btn_tlumacz");
    const PanelButtons panel = AddPanelButtons(this, images, traits_.exitName);
    btn_help = panel.help;
    btn_slownik = panel.dictionary;
    lbl_exit = panel.exit;
    btn_tlumacz->move(kSideButtonLeft, kGlossaryTop);
    btn_help->setVisible(traits_.helpNumber != 0);
    connect(btn_media, &TTransparentButton::clicked, this, &TextExerciseFrame::MediaClicked);
    connect(btn_tlumacz, &TTransparentButton::clicked, this, &TextExerciseFrame::GlossaryClicked);
    connect(btn_help, &TTransparentButton::clicked, this, &TextExerciseFrame::HelpClicked);
    connect(btn_slownik, &TTransparentButton::clicked, this, &TextExerciseFrame::DictionaryClicked);
    connect(lbl_exit, &TTransparentButton::clicked, this, &TextExerciseFrame::ExitClicked);

    const CheckControls check = AddCheckControls(this, images, traits_.checkButtonName);
    btn_check = check.check;
    lbl_jeszcze_raz = check.again;
    panel_wynik = check.gauge;
    connect(btn_check, &TTransparentButton::clicked, this, &TextExerciseFrame::CheckClicked);
    connect(lbl_jeszcze_raz, &TTransparentButton::clicked, this, &TextExerciseFrame::AgainClicked);

    ptoc_panel = new QLabel(this);
    ptoc_panel->setObjectName("ptoc_panel");
    ptoc_panel->setGeometry(kScoreBox);
    ptoc_panel->setStyleSheet("background: white; border: 1px solid rgb(1, 153, 202); border-radius: 6px;");
    ptoc_panel->hide();
    lbl_proc = new QLabel(this);
    lbl_proc->setObjectName("lbl_proc");
    lbl_proc->setGeometry(kScoreBox);
    lbl_proc->setAlignment(Qt::AlignCenter);
    lbl_proc->setFont(PointFont(ToQt(context_.startup.InterfaceFont), 16, true));
    lbl_proc->setStyleSheet("color: rgb(0, 101, 156);");
    lbl_proc->hide();
    lbl_komentarz = new QLabel(this);
    lbl_komentarz->setObjectName("lbl_komentarz");
    lbl_komentarz->setFont(MarkedTextFont(ToQt(context_.startup.InterfaceFont), TextStyle{true, false}));
    lbl_komentarz->hide();

    btn_up = new TFCSImage1(this);
    btn_up->setObjectName("btn_up");
    btn_dn = new TFCSImage1(this);
    btn_dn->setObjectName("btn_dn");
    for (TFCSImage1* arrow : {btn_up, btn_dn}) {
        arrow->resize(24, 24);
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->hide();
    }
    connect(btn_up, &TMImage::clicked, this, [this] { ScrollBy(-1); });
    connect(btn_dn, &TMImage::clicked, this, [this] { ScrollBy(1); });
}

TextExerciseFrame::~TextExerciseFrame() = default;

std::string TextExerciseFrame::HeaderField(int k) const {
    if (entry_ < 1 || static_cast<size_t>(entry_) > context_.course.textExercises.size()) return {};
    return NthHashField(context_.course.textExercises[static_cast<size_t>(entry_) - 1].Header, k);
}

const QPixmap& TextExerciseFrame::RightMark() const { return forms_.form5->stan_ok; }
const QPixmap& TextExerciseFrame::WrongMark() const { return forms_.form5->stan_bad; }

void TextExerciseFrame::ReportProblem(const std::string& text) {
    if (context_.services.messages) context_.services.messages->Error(text);
}

void TextExerciseFrame::ReportProblems(const Problems& problems) {
    std::string text;
    for (const Problem& problem : problems.List()) {
        if (!text.empty()) text += "\n";
        text += problem.File + ":" + std::to_string(problem.Line) + ": " + problem.Message;
    }
    if (!text.empty()) ReportProblem(text);
}

void TextExerciseFrame::StopSound() {
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
}

void TextExerciseFrame::PrepareExercise(int entry) {
    const TextExerciseList& list = context_.course.textExercises;
    if (entry < 1 || static_cast<size_t>(entry) > list.size()) return;
    entry_ = entry;
    open_ = true;
    showRan_ = false;
    scrollPos_ = 0;
    maxScroll_ = 0;
    btn_up->hide();
    btn_dn->hide();
    background_ = HeaderField(3);
    instruction2_ = HeaderField(4);
    instruction0_ = HeaderField(5);
    instruction1_ = HeaderField(6);
    PrepareContent(list[static_cast<size_t>(entry) - 1]);

    const LayoutValues& layout = text_.Layout();
    btn_media->move(LayoutOr(layout[0], kDefaultMediaLeft), LayoutOr(layout[1], kDefaultMediaTop));
    const int left = LayoutOr(layout[2], kDefaultInstructionLeft);
    pb_polecenie->setGeometry(left, LayoutOr(layout[3], kDefaultInstructionTop), InstructionWidth(left, kInstructionDesignWidth),
                              kInstructionHeight);
    lbl_komentarz->clear();
    lbl_komentarz->hide();
    ApplyLayout(layout);
    ShowFrameState();
    ShowWindow();
}

void TextExerciseFrame::ShowWindow() {
    const bool wasHidden = !isVisible();
    if (wasHidden) CentreOnScreen(*this);
    show();
    raise();
    activateWindow();
    update();
    if (wasHidden) FormShow();
}

void TextExerciseFrame::RunShowHandler() {
    if (!showRan_) FormShow();
}

void TextExerciseFrame::FormShow() {
    showRan_ = true;
    const StartupState& state = context_.startup;
    const InterfaceTexts& texts = context_.course.interfaceTexts;
    btn_media->setToolTip(QString());

    std::string missing;
    const std::string background = state.ProgramDir + "teksty_gfx_r\\" + background_ + traits_.backgroundExtension;
    img_tlo->setPixmap(LoadPicture(background));
    if (img_tlo->pixmap().isNull()) {
        if (traits_.missingBackgroundText)
            ReportProblem(traits_.missingBackgroundText);
        else
            missing = background;
    }
    if (traits_.againHint != 0) lbl_jeszcze_raz->setToolTip(ToQt(UiText(texts, traits_.againHint)));
    btn_tlumacz->setToolTip(ToQt(UiText(texts, 160)));
    btn_slownik->setToolTip(ToQt(UiText(texts, 161)));
    const std::string panel = state.ProgramDir + "gfx_r\\panel_prawy_teksty_" + state.CourseLetter + ".bmp";
    Image2->setPixmap(LoadPicture(panel));
    if (missing.empty() && Image2->pixmap().isNull()) missing = panel;
    btn_up->setPixmap(forms_.form5->MyImageList1.FramePixmap(pictures::ArrowUp, 0));
    btn_dn->setPixmap(forms_.form5->MyImageList1.FramePixmap(pictures::ArrowDown, 0));
    ShowTabs(missing);
    if (!missing.empty()) ReportProblem("Brak pliku: " + missing);

    // The media: a text with sound opens the media window's sound strip at once.
    if (text_.MediaKind() == 2) {
        btn_media->hide();
        MediaClicked();
    } else {
        btn_media->SetBitmapNormal(text_.MediaKind() == 1 ? pictures::MediaVideo : pictures::MediaHtml);
        btn_media->show();
    }
    ShowContent();
}

// One tab per exercise of the open text, the open one in its "a" picture; the hint names the
// exercise's kind.
void TextExerciseFrame::ShowTabs(std::string& missing) {
    const std::string& dir = context_.startup.ProgramDir;
    for (TMImage* tab : MImage) tab->hide();
    const int count = std::min(text_.ExerciseCount(), static_cast<int>(MImage.size()));
    for (int n = 1; n <= count; ++n) {
        TMImage* tab = MImage[static_cast<size_t>(n - 1)];
        const std::string picture =
            dir + "but_r\\zakl\\_" + std::to_string(n) + (n == text_.CurrentPosition() ? "a" : "") + ".bmp";
        tab->setPixmap(LoadPicture(picture));
        if (missing.empty() && tab->pixmap().isNull()) missing = picture;
        const TextExercise& exercise = context_.course.textExercises.at(static_cast<size_t>(text_.ExerciseEntry(n)) - 1);
        const TextExerciseType* type = FindTextExerciseType(TypeCode(exercise));
        tab->setToolTip(type ? ToQt(ExerciseKindName(type->Kind, context_.startup.CourseVariant, context_.course.interfaceTexts))
                             : QString());
        tab->show();
    }
}

void TextExerciseFrame::ShowFrameState() {
    const FrameState& frame = Frame();
    btn_check->setVisible(frame.CheckVisible);
    lbl_jeszcze_raz->setVisible(frame.AgainVisible);
    panel_wynik->SetWynik(frame.Percent);
    panel_wynik->setVisible(frame.GaugeVisible);
    lbl_proc->setText(QString::number(frame.Percent));
    ptoc_panel->setVisible(frame.ScoreVisible);
    lbl_proc->setVisible(frame.ScoreVisible);
    if (frame.VerdictText != 0) {
        lbl_komentarz->setText(ToQt(UiText(context_.course.interfaceTexts, frame.VerdictText)));
        lbl_komentarz->setStyleSheet(frame.VerdictRed ? "color: red;" : "color: black;");
        lbl_komentarz->adjustSize();
        lbl_komentarz->show();
    }
    // The frame's controls stay above a content box that the layout values move over them.
    for (QWidget* control : std::initializer_list<QWidget*>{btn_media, btn_check, lbl_jeszcze_raz, panel_wynik, ptoc_panel,
                                                             lbl_proc, lbl_komentarz, btn_up, btn_dn})
        control->raise();
}

void TextExerciseFrame::SetMaxScroll(int steps) {
    maxScroll_ = std::max(0, steps);
    scrollPos_ = std::min(scrollPos_, maxScroll_);
    btn_dn->setVisible(scrollPos_ < maxScroll_);
    btn_up->setVisible(scrollPos_ > 0);
}

void TextExerciseFrame::PlaceScrollButtons(int left, const QRect& contentBox) {
    btn_up->move(left, contentBox.top());
    btn_dn->move(left, contentBox.bottom() + 1 - btn_dn->height());
}

void TextExerciseFrame::ScrollBy(int steps) {
    const int pos = std::clamp(scrollPos_ + steps, 0, maxScroll_);
    if (pos == scrollPos_) return;
    scrollPos_ = pos;
    btn_dn->setVisible(scrollPos_ < maxScroll_);
    btn_up->setVisible(scrollPos_ > 0);
    Scrolled();
}

void TextExerciseFrame::CheckClicked() {
    if (traits_.stopSoundOnCheck) StopSound();
    CheckContent();
    ShowFrameState();
}

// "again" after a check: the checked attempt is the learner's result, so it is handed over
// first, as closing would hand it; the new attempt then starts from nothing.
void TextExerciseFrame::AgainClicked() {
    if (Closing().Completed == 1) HandOver();
    PrepareExercise(entry_);
    FormShow();
}

void TextExerciseFrame::MediaClicked() {
    const int kind = text_.MediaKind();
    const std::string number =
        NthHashField(context_.course.textExercises.at(static_cast<size_t>(text_.ExerciseEntry(text_.CurrentPosition())) - 1).Header, 2);
    const MediaType type = kind == 1 ? MediaType::Video : kind == 3 ? MediaType::Html : MediaType::Audio;
    TMultimediaForm& media = *forms_.multimedia;
    const std::array<int, 4>& times = text_.BookmarkTimes();
    media.SetBookmarks(Bookmarks{times});
    media.SetOffsets(text_.Layout()[0], text_.Layout()[1]);
    media.ShowMedia(kind, TextMediaPath(context_.startup, type, number));
}

void TextExerciseFrame::GlossaryClicked() {
    int number = 0;
    try {
        number = IntOfTrimmed(HeaderField(2));
    } catch (const ConversionError& error) {
        ReportProblem(error.what());
        return;
    }
    forms_.informacja->PanelKey = GlossaryText(context_.course.glossary, number);
    forms_.informacja->exec();
}

void TextExerciseFrame::HelpClicked() {
    forms_.informacja->PanelKey = "HH_" + UiText(context_.course.interfaceTexts, traits_.helpNumber);
    forms_.informacja->exec();
}

void TextExerciseFrame::DictionaryClicked() {
    if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
}

void TextExerciseFrame::ExitClicked() {
    if (traits_.stopSoundOnExit) StopSound();
    close();
}

void TextExerciseFrame::TabClicked(int position) { text_.OpenTextExercise(position); }

bool TextExerciseFrame::HandleKey(QKeyEvent*) { return false; }

void TextExerciseFrame::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(event)) return;
    if (event->key() == Qt::Key_F1) {
        forms_.help->ShowHelpPage(std::string("h_comp.html") + traits_.helpAnchor);
        return;
    }
    QWidget::keyPressEvent(event);
}

void TextExerciseFrame::closeEvent(QCloseEvent* event) {
    if (open_) FormClose();
    QWidget::closeEvent(event);
}

// FormClose: the pictures go, and the attempt is handed over: recorded when the learner worked
// in the window, the learner's files saved in every case. The media window is put away, so
// that closing the help window does not bring it back.
void TextExerciseFrame::FormClose() {
    open_ = false;
    CloseContent();
    img_tlo->clear();
    Image2->clear();
    if (context_.services.soundPlayer) context_.services.soundPlayer->SetExerciseTimer({});
    HandOver();
    // Every member, the gap text too, puts the text's sound or video away: nothing of a closed
    // exercise goes on playing over the chart.
    forms_.multimedia->ClearOpenMark();
    forms_.multimedia->hide();
}

// The attempt goes to the learner's files: recorded (with the repetition) when the learner
// worked in the window, both files saved in every case.
void TextExerciseFrame::HandOver() {
    const ClosingReport closing = Closing();
    const int position = text_.CurrentPosition();
    ExerciseReport report{closing.Percent, context_.exercise.CurrentExerciseId, traits_.kind, closing.Completed,
                          text_.ExerciseKey(position), RepetitionIndexFor(traits_.kind, position)};
    FinishExercise(context_, closing.Record ? &report : nullptr);
}

}  // namespace quillan
