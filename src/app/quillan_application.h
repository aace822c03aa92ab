#pragma once

#include <QApplication>

namespace quillan {

class Messages;

// The application object. Its one error handler catches what escapes any event handler
// (a conversion error, a file error, any other failure), shows the text in the program's
// error dialog, and lets the program go on.
class QuillanApplication : public QApplication {
public:
    QuillanApplication(int& argc, char** argv);
    void SetMessages(Messages* messages) { messages_ = messages; }
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error as the handler does; usable outside event handlers too.
    void ReportError(const std::exception& error);

private:
    Messages* messages_ = nullptr;
};

}  // namespace quillan
