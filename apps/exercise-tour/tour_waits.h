#pragma once

// Waiting helpers of the tours that play and record for real: the event loop runs until
// something has happened, and the modal windows the program opens meanwhile (a message, the
// information panel) are answered, so that the tour never waits for a click.

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <iostream>

namespace quillan::tour {

// Runs the event loop until `done` holds or `timeoutMs` passed, calling `each` every 10 ms;
// true when it holds.
inline bool Until(const std::function<bool()>& done, int timeoutMs, const std::function<void()>& each = {}) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (each) each();
        if (done()) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(10);
    if (!done()) loop.exec();
    return done();
}

// While it lives, a modal window that comes up is told on the standard output (with the text
// of its first label) and closed after `showMs`.
class ModalAnswerer {
public:
    explicit ModalAnswerer(int showMs = 300) {
        QObject::connect(&timer_, &QTimer::timeout, [this, showMs] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible()) {
                seen_ = nullptr;
                return;
            }
            if (modal != seen_) {
                seen_ = modal;
                waited_ = 0;
                const QLabel* label = modal->findChild<QLabel*>();
                std::cout << "window " << modal->objectName().toStdString() << " shown"
                          << (label && !label->text().isEmpty() ? ": " + label->text().toStdString() : std::string()) << "\n";
                ++shown;
            }
            if ((waited_ += timer_.interval()) < showMs) return;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->accept();
            else
                modal->close();
        });
        timer_.start(50);
    }

    int shown = 0;

private:
    QTimer timer_;
    QWidget* seen_ = nullptr;
    int waited_ = 0;
};

}  // namespace quillan::tour
