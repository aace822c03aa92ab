#include "chart/chart_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "session/app_context.h"
#include "forms/shared_forms.h"
#include "controls/button_pictures.h"
#include "audio/resource_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/pictures.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "help/html_view.h"
#include "help/page_printing.h"
#include "platform/qt/qt_html.h"
#include "platform/qt/qt_text.h"
#include "chart/chart_actions.h"
#include "chart/chart_printout.h"
#include "chart/delete_repetitions_form.h"
#include "chart/exercise_launcher.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

using namespace chart_geometry;

constexpr QSize kFormSize(1024, 768);

}  // namespace

ChartPaintBox::ChartPaintBox(TWyborForm& form, QWidget* parent) : QWidget(parent), form_(form) {
    setMouseTracking(true);
}

void ChartPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    form_.PaintBox(painter);
}

void ChartPaintBox::mouseMoveEvent(QMouseEvent* event) { form_.BoxMouseMove(event->position().toPoint()); }

void ChartPaintBox::mousePressEvent(QMouseEvent* event) {
    form_.BoxMouseDown(event->position().toPoint(), event->button());
}

TWyborForm::TWyborForm(AppContext& context, SharedForms& forms, ExerciseLauncher& launcher, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), context_(context), forms_(forms), launcher_(launcher) {
    setObjectName("TWyborForm");
    setWindowTitle(ToQt(context_.startup.AppTitle));
    setFixedSize(kFormSize);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    TMyImageList& images = forms_.form5->MyImageList1;
    kasPowt_ = std::make_unique<Tkas_powt_Form>(context_.Window(), images);

    img_tlo = new QLabel(this);
    img_tlo->setGeometry(0, 0, kFormSize.width(), kFormSize.height());
    img_tlo->setMouseTracking(true);

    // The row highlight lies under the outline, which draws over it.
    Shape1 = new QWidget(this);
    Shape1->setGeometry(BoxLeft, BoxTop, HighlightWidth, RowHeight);
    Shape1->setAutoFillBackground(true);
    QPalette highlight = Shape1->palette();
    highlight.setColor(QPalette::Window, QColor(233, 247, 250));
    Shape1->setPalette(highlight);
    Shape1->hide();

    pb = new ChartPaintBox(*this, this);
    pb->setGeometry(BoxLeft, BoxTop, BoxWidth, BoxHeight);

    // The buttons stand in the free column right of the outline.
    btn_up = new TFCSImage1(this);
    btn_dn = new TFCSImage1(this);
    connect(btn_up, &TFCSImage1::clicked, this, &TWyborForm::ScrollUp);
    connect(btn_dn, &TFCSImage1::clicked, this, &TWyborForm::ScrollDown);

    btn_rozwin = new TTransparentButton(this, &images, pictures::Expand);
    btn_zwin = new TTransparentButton(this, &images, pictures::Collapse);
    btn_print = new TTransparentButton(this, &images, pictures::PrintSmall);
    btn_help = new TTransparentButton(this, &images, pictures::Help);
    btn_kasuj_powt = new TTransparentButton(this, &images, pictures::DeleteRepetitions);
    btn_kasuj_1_powt = new TTransparentButton(this, &images, pictures::DeleteRepetition);
    lbl_exit = new TTransparentButton(this, &images, pictures::ClosePanel);
    btn_rozwin->setToolTip("Show all");
    btn_zwin->setToolTip("Hide all");
    btn_print->setToolTip("Print");
    btn_help->setToolTip(QString::fromUtf8("Pomoc"));
    lbl_exit->setToolTip(QString::fromUtf8("Wyjście"));
    for (QWidget* control : std::initializer_list<QWidget*>{btn_up, btn_dn, btn_rozwin, btn_zwin, btn_print, btn_help,
                                                             btn_kasuj_powt, btn_kasuj_1_powt, lbl_exit})
        control->setCursor(Qt::PointingHandCursor);
    connect(btn_rozwin, &TTransparentButton::clicked, this, [this] { ExpandAll(true); });
    connect(btn_zwin, &TTransparentButton::clicked, this, [this] { ExpandAll(false); });
    connect(btn_print, &TTransparentButton::clicked, this, &TWyborForm::PrintChart);
    connect(btn_help, &TTransparentButton::clicked, this, &TWyborForm::ShowHelpPanel);
    connect(btn_kasuj_powt, &TTransparentButton::clicked, this, &TWyborForm::DeleteAllRepetitionsAsked);
    connect(btn_kasuj_1_powt, &TTransparentButton::clicked, this, &TWyborForm::DeleteOneRepetition);
    connect(lbl_exit, &TTransparentButton::clicked, this, &QWidget::close);
    btn_zwin->hide();
    btn_kasuj_1_powt->hide();

    Html = new HtmlView(this);
    Html->hide();
}

TWyborForm::~TWyborForm() = default;

void TWyborForm::BuildChart(int mode) {
    if (!pictures_.Loaded()) pictures_.Load();
    deleteTarget_ = nullptr;
    tree_.Build(context_, mode, context_.services.clock->Now());
    ResetView();
}

// Collapsed at the top, nothing highlighted or offered.
void TWyborForm::ResetView() {
    btn_rozwin->show();
    btn_zwin->hide();
    btn_kasuj_1_powt->hide();
    Shape1->hide();
    offset_ = 0;
    FullRepaint();
}

void TWyborForm::Open(int mode, bool deleteAllShown) {
    BuildChart(mode);
    btn_kasuj_powt->setVisible(deleteAllShown);
    show();
    raise();
    activateWindow();
}

void TWyborForm::Refresh() {
    tree_.Refresh(context_, context_.services.clock->Now());
    FullRepaint();
}

void TWyborForm::showEvent(QShowEvent* event) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    const StartupState& s = context_.startup;
    img_tlo->setPixmap(LoadPicture(s.ProgramDir + s.LangDir + "gfx_r\\wybor.jpg"));

    TMyImageList& images = forms_.form5->MyImageList1;
    btn_up->setPixmap(images.FramePixmap(pictures::ArrowUp, 0));
    btn_dn->setPixmap(images.FramePixmap(pictures::ArrowDown, 0));
    btn_up->adjustSize();
    btn_dn->adjustSize();
    const int arrowX = BoxLeft + BoxWidth + 16;
    btn_up->move(arrowX, BoxTop);
    btn_dn->move(arrowX, BoxTop + BoxHeight - btn_dn->height());
    const int column = 930;
    btn_rozwin->move(column, BoxTop);
    btn_zwin->move(column, BoxTop);
    btn_print->move(column, BoxTop + 48);
    btn_help->move(column, BoxTop + 96);
    btn_kasuj_powt->move(BoxLeft + BoxWidth + 10 - btn_kasuj_powt->width() - 14, 667);
    lbl_exit->move(width() - lbl_exit->width() - 14, 14);

    ResetView();
    QWidget::showEvent(event);
}

void TWyborForm::closeEvent(QCloseEvent* event) {
    deleteTarget_ = nullptr;
    tree_.Clear();
    layout_ = {};
    img_tlo->clear();
    QWidget::closeEvent(event);
}

bool TWyborForm::event(QEvent* event) {
    // Coming back to the chart (also from an exercise started in it) shows the latest results.
    if (event->type() == QEvent::WindowActivate && isVisible()) Refresh();
    return QWidget::event(event);
}

void TWyborForm::FullRepaint() {
    const QtChartMetrics metrics(pictures_);
    layout_ = LayOutChart(tree_, offset_, metrics);
    btn_up->setVisible(layout_.upVisible);
    btn_dn->setVisible(layout_.downVisible);
    pb->update();
}

void TWyborForm::PaintBox(QPainter& painter) { PaintChart(painter, layout_, pictures_); }

void TWyborForm::BoxMouseMove(QPoint at) {
    btn_kasuj_1_powt->hide();
    const ChartPointer pointer = PointAt(layout_, at.x(), at.y());
    if (pointer.row >= 0) {
        Shape1->move(BoxLeft, BoxTop + pointer.row * RowHeight);
        Shape1->show();
    } else {
        Shape1->hide();
    }
    pb->setCursor(pointer.Hand() ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TWyborForm::BoxMouseDown(QPoint at, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    BoxMouseMove(at);
    const ChartPress press = PressAt(layout_, tree_.Mode(), at.x(), at.y(), button == Qt::RightButton);
    if (press.toggle) {
        press.toggle->expanded = !press.toggle->expanded;
        FullRepaint();
    } else if (press.offerDelete) {
        deleteTarget_ = press.offerDelete;
        btn_kasuj_1_powt->move(pb->mapTo(this, at) - QPoint(10, 10));
        btn_kasuj_1_powt->show();
        btn_kasuj_1_powt->raise();
    } else if (press.start) {
        launcher_.Start(context_, press.start->recordIndex, press.start->position);
    }
}

void TWyborForm::mouseMoveEvent(QMouseEvent* event) {
    HideHighlight();
    QWidget::mouseMoveEvent(event);
}

void TWyborForm::HideHighlight() {
    Shape1->hide();
    btn_kasuj_1_powt->hide();
}

void TWyborForm::ExpandAll(bool expanded) {
    tree_.SetAllExpanded(expanded);
    offset_ = 0;
    btn_rozwin->setVisible(!expanded);
    btn_zwin->setVisible(expanded);
    FullRepaint();
}

void TWyborForm::ScrollUp() {
    if (offset_ <= 0) return;
    --offset_;
    FullRepaint();
}

void TWyborForm::ScrollDown() {
    if (offset_ + RowsInView >= layout_.rowCount) return;
    ++offset_;
    FullRepaint();
}

void TWyborForm::DeleteOneRepetition() {
    btn_kasuj_1_powt->hide();
    if (!deleteTarget_) return;
    ChartNode* node = deleteTarget_;
    deleteTarget_ = nullptr;
    // The line leaves the tree before the save, which may fail: the hit lists are rebuilt
    // whatever happens, so that nothing points at the line any more.
    std::string failure;
    try {
        DeleteLineRepetition(context_, tree_, *node);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    offset_ = std::max(0, std::min(offset_, tree_.VisibleRowCount() - 1));
    FullRepaint();
    if (!failure.empty() && context_.services.messages) context_.services.messages->Error(failure);
}

void TWyborForm::DeleteAllRepetitionsAsked() {
    const bool confirmed = confirmDeleteAll_ ? confirmDeleteAll_() : kasPowt_->Confirm();
    if (!confirmed) return;
    DeleteAllRepetitions(context_);
    forms_.form20->ShowMessage("Repetitions have been deleted.");
    emit RepetitionsCleared();
    close();
}

void TWyborForm::ShowHelpPanel() {
    TInformacjaForm& panel = *forms_.informacja;
    panel.PanelKey = "HH_" + UiText(context_.course.interfaceTexts, tree_.Mode() == 2 ? 163 : 162);
    panel.exec();
}

void TWyborForm::PrintChart() {
    const std::string& programDir = context_.startup.ProgramDir;
    const std::string html = ChartHtml(tree_, programDir);
    Html->setHtml(DecodeHtml(html));
    Printer* printer = context_.services.printer;
    if (!printer) return;
    PrintPageText(html, programDir, context_, *printer, *forms_.form20);
}

void TWyborForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        forms_.help->ShowHelpPage(tree_.Mode() == 2 ? "h_rep.html" : "h_comp.html#wybor");
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace quillan
