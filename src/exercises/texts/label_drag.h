#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <map>

class QWidget;

namespace quillan {

// The dragging of word labels with the mouse, shared by the text exercises whose learner moves
// words (definitions, the drag-and-drop table, the ordering list, the gap text). A press of
// the left button on a label starts a drag when the window accepts it (onStart); the label
// comes to the front and, at every move of the pointer, is carried so that its centre lies
// under the pointer; the release drops it: the window is told the drop point in the
// coordinates of the label's parent (the window) and places the label where its rules say
// (onDrop). Nothing is carried while no drag runs, and a drag the window did not accept
// carries nothing.
//
// A drag that cannot end with a release (the window hides, or the window cancels it when it
// prepares its exercise again) ends through onCancel, so the window can put the label back.
class LabelDrag : public QObject {
    Q_OBJECT
public:
    // `window` is the window the labels lie in; its hiding cancels a drag.
    explicit LabelDrag(QWidget& window);

    // Makes `label` (a child of the window) draggable under the number `id`, which the
    // handlers are given.
    void Add(QWidget* label, int id);

    // The label being dragged; -1 when none.
    int Dragged() const { return dragged_; }
    // Ends a running drag without a drop and tells onCancel; nothing when none runs.
    void Cancel();

    // A press on label `id`: true accepts the drag.
    std::function<bool(int id)> onStart;
    // Label `id` was released at `at` (in the coordinates of its parent).
    std::function<void(int id, QPoint at)> onDrop;
    // The drag of label `id` ended without a drop.
    std::function<void(int id)> onCancel;
    // Where the carried label's centre lies from the pointer (the drag-and-drop table carries
    // its words 9 pixels right of it).
    QPoint carryOffset;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Carry(QWidget& label, QPoint inParent);

    QWidget& window_;
    std::map<QObject*, int> ids_;
    QPointer<QWidget> label_;
    QCursor cursor_;  // the label's cursor before the drag
    int dragged_ = -1;
};

}  // namespace quillan
