#include "app/quillan_application.h"

#include <QMessageBox>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {

QuillanApplication::QuillanApplication(int& argc, char** argv) : QApplication(argc, argv) { SmoothLabelPictures(); }

bool QuillanApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportError(error);
    } catch (...) {
        ReportError(std::runtime_error("Unknown error"));
    }
    return false;
}

void QuillanApplication::ReportError(const std::exception& error) {
    // Texts of ConversionError and FileError are the program's own (Windows-1250); others come
    // from the libraries in plain ASCII, which reads the same.
    if (messages_) {
        messages_->Error(error.what());
        return;
    }
    QMessageBox::critical(nullptr, applicationName(), QString::fromStdString(Cp1250ToUtf8(error.what())));
}

}  // namespace quillan
