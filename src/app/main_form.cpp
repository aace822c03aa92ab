#include "app/main_form.h"

#include <QKeyEvent>
#include <QPainter>

#include "app/context.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"

namespace quillan {

TMainForm::TMainForm(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("TMainForm");
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(1024, 768);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(ToQt(context_.startup.AppTitle));
    LoadLanguagePictures();
}

void TMainForm::LoadLanguagePictures() {
    const StartupState& s = context_.startup;
    background_ = QPixmap(QString::fromStdString(NativePath(s.ProgramDir + s.LangDir + "gfx_r\\Main_rozum.jpg")));
    update();
}

void TMainForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_.isNull())
        painter.fillRect(rect(), QColor(0x1d, 0x2b, 0x3a));
    else
        painter.drawPixmap(rect(), background_);
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace quillan
