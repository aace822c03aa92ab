#include "forms/window_keys.h"

#include <QKeyEvent>

#include "help/help_form.h"

namespace quillan {

bool TakeWindowKey(const QKeyEvent& event, THelpForm* help, const char* helpPage, const std::function<void()>& cancel,
                   const std::function<void()>& confirm) {
    switch (event.key()) {
    case Qt::Key_Escape:
        cancel();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!confirm) return false;
        confirm();
        return true;
    case Qt::Key_F1:
        if (help) help->ShowHelpPage(helpPage);
        return true;
    default:
        return false;
    }
}

}  // namespace quillan
