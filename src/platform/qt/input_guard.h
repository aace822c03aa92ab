#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace quillan {

// Keeps the learner's input from the windows while the program waits: a waiting play, a pause
// and a classroom request run a nested event loop, in which windows go on painting, timers run
// and sound plays, but a click, a key, a wheel turn, a shortcut or a close request would run a
// window's handler in the middle of another one (a click on OK during the verdict's sound would
// move on and show the next answer). While a guard lives such events are dropped, except for a
// modal window opened during the wait (a message the wait itself shows), which must be
// answerable. A close request is one from the window system; the program's own close() of a
// window goes through. Guards nest; the last one to go lets input through again.
class InputGuard {
public:
    InputGuard();
    ~InputGuard();
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

    // True while any guard lives.
    static bool Active();

private:
    QPointer<QWidget> outerModal_;  // the modal window the enclosing wait started over
};

}  // namespace quillan
