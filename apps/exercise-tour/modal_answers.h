#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "tour.h"

namespace quillan::tour {

// Answers the modal windows that come up while a family's window is worked (the summary, a
// message, the information panel, a help page): whenever one is on top, `answer` gets it, once,
// and is expected to close it. Lives as long as the tour of one exercise.
class ModalAnswers {
public:
    explicit ModalAnswers(std::function<void(QWidget& modal)> answer) : answer_(std::move(answer)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible() || modal == answered_) return;
            answered_ = modal;
            answer_(*modal);
        });
        // A closed window may come up again (the summary of the next exercise).
        QObject::connect(&forget_, &QTimer::timeout, [this] {
            if (answered_ && (!answered_->isVisible() || QApplication::activeModalWidget() != answered_)) answered_ = nullptr;
        });
        poll_.start(20);
        forget_.start(5);
    }

private:
    std::function<void(QWidget&)> answer_;
    QTimer poll_, forget_;
    QPointer<QWidget> answered_;
};

}  // namespace quillan::tour
