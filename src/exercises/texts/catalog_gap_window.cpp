#include "exercises/texts/catalog_gap_window.h"

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
#include "exercises/texts/gap_board_view.h"
#include "exercises/texts/label_drag.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_window_controls.h"
#include "forms/shared_forms.h"
#include "guidance/information_form.h"
#include "help/dictionary_launcher.h"
#include "help/help_form.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

constexpr int kPanelLeft = 924;
constexpr int kIconSize = 18;
const QRect kBox(30, 60, 600, 630);     // Pb, left of the bin
const QRect kBin(636, 52, 165, 513);    // lbl_kosz

}  // namespace

TZdaniaDDSameForm::TZdaniaDDSameForm(AppContext& context, SharedForms& forms, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      context_(context),
      forms_(forms),
      exercise_(*context.services.random) {
    SetUpCourseWindow(*this, "TZdaniaDDSameForm", context_.startup.AppTitle);
    TMyImageList& images = forms_.form5->MyImageList1;

    img_tlo = new QLabel(this);
    img_tlo->setObjectName("img_tlo");
    img_tlo->setGeometry(0, 0, 1024, 768);
    Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setGeometry(kPanelLeft, 0, 1024 - kPanelLeft, 768);
    Label3 = new QLabel("Fill in the gaps with words from the right to make correct sentences.", this);
    Label3->setObjectName("Label3");
    Label3->setFont(PointFont(ToQt(context_.startup.InterfaceFont), 10, true));
    Label3->move(kBox.left(), 25);
    Label3->adjustSize();
    lbl_kosz = new QLabel(this);
    lbl_kosz->setObjectName("lbl_kosz");
    lbl_kosz->setGeometry(kBin);
    lbl_kosz->hide();

    board_ = new GapBoardView(*this, GapWindow::Catalog, ToQt(context_.startup.InterfaceFont), kBox);
    const QPixmap question = IconPicture("img_pyt");
    board_->SetPictures(question, forms_.form5->stan_ok, forms_.form5->stan_bad);
    const QPixmap flag = forms_.form5->Flaga_1.isNull() ? QPixmap() : forms_.form5->Flaga_1.scaled(kIconSize, kIconSize);
    const QPixmap speaker = IconPicture("img_glosnik");
    board_->SetIconWidths(kIconSize, kIconSize);
    for (int i = 0; i < kCatalogSentenceLimit; ++i) {
        const size_t k = static_cast<size_t>(i);
        const QString n = QString::number(i + 1);
        fla[k] = new QLabel(this);
        fla[k]->setObjectName("fla_" + n);
        fla[k]->setPixmap(flag);
        fla[k]->resize(kIconSize, kIconSize);
        fla[k]->hide();
        glo[k] = new TMImage(this);
        glo[k]->setObjectName("glo_" + n);
        glo[k]->Tag = i + 1;
        glo[k]->setPixmap(speaker);
        glo[k]->resize(kIconSize, kIconSize);
        glo[k]->setCursor(Qt::PointingHandCursor);
        glo[k]->hide();
        connect(glo[k], &TMImage::clicked, this, [this, i] { VoiceClicked(i); });
    }
    board_->onStart = [this](int label) { return exercise_.StartDrag(label); };
    board_->onDrop = [this](int label, QPoint at) { Dropped(label, at); };
    board_->onIcon = [this](const GapDrawn& icon, QPoint at) {
        if (icon.Number < 0 || icon.Number >= kCatalogSentenceLimit) return;
        QWidget* widget = icon.Kind == GapDrawnKind::Flag ? static_cast<QWidget*>(fla[static_cast<size_t>(icon.Number)])
                                                          : glo[static_cast<size_t>(icon.Number)];
        widget->move(at);
        widget->show();
        widget->raise();
    };

    const PanelButtons panel = AddPanelButtons(this, images, "btn_exit");
    btn_help = panel.help;
    btn_slownik = panel.dictionary;
    btn_exit = panel.exit;
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(context_.course.interfaceTexts, 140);
        forms_.informacja->exec();
    });
    connect(btn_slownik, &TTransparentButton::clicked, this, [this] {
        if (context_.services.processLauncher) OpenDictionary(context_.startup, *context_.services.processLauncher);
    });
    connect(btn_exit, &TTransparentButton::clicked, this, [this] { close(); });

    const CheckControls check = AddCheckControls(this, images, "btn_wyniki");
    btn_wyniki = check.check;
    lbl_jeszcze_raz = check.again;
    panel_wynik = check.gauge;
    connect(btn_wyniki, &TTransparentButton::clicked, this, &TZdaniaDDSameForm::CheckClicked);
    connect(lbl_jeszcze_raz, &TTransparentButton::clicked, this, &TZdaniaDDSameForm::AgainClicked);
}

TZdaniaDDSameForm::~TZdaniaDDSameForm() = default;

void TZdaniaDDSameForm::OpenExercise(const std::string& exerciseId, int entry) {
    if (isVisible()) close();
    context_.exercise.CurrentExerciseId = exerciseId;
    PrepareExercise(entry);
}

void TZdaniaDDSameForm::PrepareExercise(int entry) {
    const Catalog& catalog = context_.course.catalog;
    if (entry < 1 || static_cast<size_t>(entry) > catalog.size()) {
        if (context_.services.messages) context_.services.messages->Error("Brak \xE6wiczenia nr " + std::to_string(entry) + ".");
        return;
    }
    board_->Reset();
    entry_ = entry;
    open_ = true;
    const CatalogEntry& source = catalog[static_cast<size_t>(entry) - 1];
    Problems problems;
    const CatalogGapContent content =
        BuildCatalogGapSentences(source, context_.course.dragDrop, problems, ContentPlace{source.File, source.Line > 0 ? source.Line + 3 : 0});
    // More sentences than the window holds: the first ten are worked, and the learner is told.
    if (content.TooMany && context_.services.messages) context_.services.messages->Error(kTooManyCatalogSentences);
    exercise_.Prepare(content);
    for (size_t i = 0; i < fla.size(); ++i) {
        fla[i]->hide();
        glo[i]->hide();
        fla[i]->setToolTip(i < content.Sentences.size() ? ToQt(content.Sentences[i].FlagHint) : QString());
    }
    panel_wynik->hide();
    lbl_jeszcze_raz->hide();
    btn_wyniki->show();
    ShowBoard();

    const bool wasHidden = !isVisible();
    if (wasHidden) CentreOnScreen(*this);
    show();
    raise();
    activateWindow();
    if (wasHidden) FormShow();
}

void TZdaniaDDSameForm::DrawBackground() {
    const std::string& media = context_.startup.MediaDir;
    const int r = 1 + (context_.services.random ? context_.services.random->Below(4) : 0);
    const std::string drawn = media + "tla\\zdd_" + std::to_string(r) + ".jpg";
    img_tlo->setPixmap(LoadPicture(FileExists(drawn) ? drawn : media + "tla\\slow_0.jpg"));
}

void TZdaniaDDSameForm::FormShow() {
    DrawBackground();
    const StartupState& state = context_.startup;
    Image2->setPixmap(LoadPicture(state.ProgramDir + "gfx_r\\panel_prawy_teksty_" + state.CourseLetter + ".bmp"));
    btn_slownik->setToolTip(ToQt(UiText(context_.course.interfaceTexts, 161)));
}

void TZdaniaDDSameForm::ShowBoard() {
    if (!exercise_.IconsVisible())
        for (size_t i = 0; i < fla.size(); ++i) {
            fla[i]->hide();
            glo[i]->hide();
        }
    board_->Show(exercise_.Board(), exercise_.State().Evaluated(), exercise_.LabelsVisible());
}

// A drop in the bin, or beside every gap, sends the label home; on an empty gap it fills it.
void TZdaniaDDSameForm::Dropped(int label, QPoint at) {
    const QRect bin = lbl_kosz->geometry();
    const bool inBin = at.x() > bin.left() && at.x() <= bin.left() + bin.width() && at.y() > bin.top() &&
                       at.y() < bin.top() + bin.height();
    if (inBin)
        exercise_.SendHome(label);
    else
        exercise_.DropOnGap(label, board_->GapAtWindowPoint(at));
    ShowBoard();
}

void TZdaniaDDSameForm::CheckClicked() {
    board_->Drag().Cancel();
    exercise_.Check();
    const FrameState& frame = exercise_.Frame();
    btn_wyniki->setVisible(frame.CheckVisible);
    panel_wynik->SetWynik(frame.Percent);
    panel_wynik->setVisible(frame.GaugeVisible);
    ShowBoard();
    lbl_jeszcze_raz->setVisible(frame.AgainVisible);
}

// "again" after a check: the checked attempt is handed over first, as closing would hand it;
// then a new shuffle on a new background.
void TZdaniaDDSameForm::AgainClicked() {
    if (exercise_.Closing().Completed == 1) HandOver();
    PrepareExercise(entry_);
    FormShow();
}

void TZdaniaDDSameForm::VoiceClicked(int sentence) {
    const int number = exercise_.SentenceNumber(sentence);
    if (number <= 0 || !context_.services.soundPlayer) return;
    context_.services.soundPlayer->PlaySound(SentenceAudioPath(context_.startup, number), false);
}

void TZdaniaDDSameForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        forms_.help->ShowHelpPage("h_comp.html#zdania");
        return;
    }
    if (event->key() == Qt::Key_F4) {
        DrawBackground();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TZdaniaDDSameForm::closeEvent(QCloseEvent* event) {
    if (open_) FormClose();
    QWidget::closeEvent(event);
}

// FormClose: the sound stops, the attempt is recorded when the learner worked in the window
// (kind 59, key 0, repetition index 0), and the learner's files are saved in every case.
void TZdaniaDDSameForm::FormClose() {
    open_ = false;
    board_->Drag().Cancel();
    if (context_.services.soundPlayer) context_.services.soundPlayer->StopSound();
    HandOver();
    img_tlo->clear();
    Image2->clear();
}

void TZdaniaDDSameForm::HandOver() {
    const ClosingReport closing = exercise_.Closing();
    ExerciseReport report{closing.Percent, context_.exercise.CurrentExerciseId, kCatalogGapSentencesKind, closing.Completed, 0, 0};
    FinishExercise(context_, closing.Record ? &report : nullptr);
}

}  // namespace quillan
