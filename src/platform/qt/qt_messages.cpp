#include "platform/qt/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

QMessageBox::StandardButton Box(QMessageBox::Icon icon, const std::string& title, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, ToQt(title), ToQt(text), buttons, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessages::Show(const std::string& text) { Box(QMessageBox::Information, title_, text, QMessageBox::Ok); }

void QtMessages::Warn(const std::string& text) { Box(QMessageBox::Warning, title_, text, QMessageBox::Ok); }

bool QtMessages::Ask(const std::string& text) {
    return Box(QMessageBox::Question, title_, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtMessages::Error(const std::string& text) { Box(QMessageBox::Critical, title_, text, QMessageBox::Ok); }

}  // namespace quillan
