#include "platform/qt/input_guard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace quillan {
namespace {

bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// A close request from the window system (the learner closing a window from its frame or the
// task bar), as it reaches the window's widget. The window handle passes on such a request as a
// spontaneous close event, and the program's own close() as one that is not: from Qt 6 on,
// close() of a shown window goes through its window handle too, so it is here, not at the
// handle, that the two can be told apart.
bool IsCloseRequest(const QObject* receiver, const QEvent& event) {
    return event.type() == QEvent::Close && event.spontaneous() && receiver->isWidgetType() &&
           static_cast<const QWidget*>(receiver)->isWindow();
}

// The one filter on the application while guards live.
class InputFilter : public QObject {
public:
    int depth = 0;
    QPointer<QWidget> modalAtStart;  // the modal window of the outermost wait's start, if any

    bool eventFilter(QObject* receiver, QEvent* event) override {
        const bool closeRequest = IsCloseRequest(receiver, *event);
        if (!closeRequest && !IsUserInput(*event)) return false;
        // A modal window that opened during the wait takes its input.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != modalAtStart) {
            if (receiver == modal->windowHandle()) return false;  // input on its way from the window system
            auto* widget = qobject_cast<QWidget*>(receiver);
            if (widget && (widget == modal || modal->isAncestorOf(widget))) return false;
        }
        if (closeRequest) event->ignore();  // the window stays open
        return true;
    }
};

InputFilter* Filter() {
    static InputFilter* filter = nullptr;
    if (!filter) filter = new InputFilter;
    return filter;
}

}  // namespace

InputGuard::InputGuard() {
    InputFilter* filter = Filter();
    outerModal_ = filter->modalAtStart;
    if (filter->depth++ == 0 && qApp) qApp->installEventFilter(filter);
    filter->modalAtStart = QApplication::activeModalWidget();
}

InputGuard::~InputGuard() {
    InputFilter* filter = Filter();
    filter->modalAtStart = outerModal_;
    if (--filter->depth == 0 && qApp) qApp->removeEventFilter(filter);
}

bool InputGuard::Active() { return Filter()->depth > 0; }

}  // namespace quillan
