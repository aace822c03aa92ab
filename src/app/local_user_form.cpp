#include "app/local_user_form.h"
#include "controls/widget_style.h"

#include <QKeyEvent>
#include <QListWidget>

#include "forms/window_keys.h"
#include "session/app_context.h"
#include "app/local_learners.h"
#include "app/new_learner_form.h"
#include "forms/shared_forms.h"
#include "controls/button_pictures.h"
#include "audio/resource_form.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/first_window_probe.h"
#include "text/numbered_texts.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kNewLearnerPicture = 29;  // "New learner", with its words in the interface language

}  // namespace

TForm9::TForm9(AppContext& context, SharedForms& forms, LocalLearners& learners, TForm10& newLearner, QWidget* parent)
    : PictureDialog(context, QSize(300, 200), "logowanie.bmp", parent),
      app_(context),
      forms_(forms),
      learners_(learners),
      newLearner_(newLearner) {
    setObjectName("TForm9");
    TMyImageList& images = forms_.form5->MyImageList1;

    // The list lies in the white box of the picture (18, 44, 264 x 104), the buttons in its footer.
    ComboBox1 = new QListWidget(this);
    ComboBox1->setGeometry(21, 47, 257, 98);
    ComboBox1->setFrameShape(QFrame::NoFrame);
    ComboBox1->setFont(PixelFont("Verdana", 13));
    btn_help = new TTransparentButton(this, &images, pictures::Help);
    btn_help->move(10, 160);
    L_powtorki = new TTransparentButton(this, &images, kNewLearnerPicture);
    L_powtorki->move(50, 162);
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->move(198, 162);
    B_Zamknij = new TTransparentButton(this, &images, pictures::Cancel);
    B_Zamknij->move(248, 162);
    B_Zamknij->setToolTip(QString::fromUtf8("Wyjście z programu"));
    for (TTransparentButton* button : {B_OK, B_Zamknij, L_powtorki, btn_help}) button->setCursor(Qt::PointingHandCursor);

    connect(ComboBox1, &QListWidget::currentRowChanged, this, &TForm9::UpdateOk);
    connect(ComboBox1, &QListWidget::itemDoubleClicked, this, &TForm9::B_OKClick);
    connect(B_OK, &TTransparentButton::clicked, this, &TForm9::B_OKClick);
    connect(B_Zamknij, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(L_powtorki, &TTransparentButton::clicked, this, &TForm9::L_powtorkiClick);
    connect(btn_help, &TTransparentButton::clicked, this, [this] {
        forms_.informacja->PanelKey = "HH_" + UiText(app_.course.interfaceTexts, 1);
        forms_.informacja->exec();
    });
    FillList();
}

bool TForm9::SignInModally() {
    ExitAfterFirstPaintWhenProbed(*this);  // the start-up measurement ends here
    return exec() == QDialog::Accepted;
}

void TForm9::FillList() {
    ComboBox1->clear();
    for (const LearnerEntry& learner : learners_.List()) ComboBox1->addItem(ToQt(learner.Name));
}

void TForm9::SelectLast() {
    if (ComboBox1->count() > 0) ComboBox1->setCurrentRow(ComboBox1->count() - 1);
    UpdateOk();
}

void TForm9::UpdateOk() {
    const QListWidgetItem* item = ComboBox1->currentItem();
    B_OK->setVisible(item && !TrimView(FromQt(item->text())).empty());
}

void TForm9::showEvent(QShowEvent* event) {
    SelectLast();
    PictureDialog::showEvent(event);
    ComboBox1->setFocus();
}

void TForm9::B_OKClick() {
    if (B_OK->isHidden()) return;
    bool signedIn = false;
    try {
        signedIn = learners_.SignIn(ComboBox1->currentRow() + 1);
    } catch (const std::exception& error) {
        // Course data the learner's table cannot be built from: told here, not on its way out
        // through the toolkit's event dispatch, and the window stays.
        app_.services.messages->Error(error.what());
    }
    if (signedIn) accept();
}

void TForm9::L_powtorkiClick() {
    const int created = newLearner_.Open();
    update();
    FillList();
    B_OK->hide();
    SelectLast();
    // The new learner is the last of the list: he goes on as if he had been chosen there.
    if (created != 0) B_OKClick();
}

void TForm9::keyPressEvent(QKeyEvent* event) {
    const auto confirm = [this] { B_OKClick(); };
    if (!TakeWindowKey(*event, forms_.help.get(), "h_log.html", [this] { reject(); }, confirm))
        PictureDialog::keyPressEvent(event);
}

}  // namespace quillan
