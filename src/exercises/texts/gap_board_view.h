#pragma once

#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <array>
#include <functional>
#include <vector>

#include "course/marked_text.h"
#include "exercises/texts/gap_layout.h"

class QLabel;
class QPainter;
class QWidget;

namespace quillan {

class LabelDrag;
class PaintBox;

// The sentences with gaps of the gap text (TZdaniaDDForm) and of the catalog's gap sentences
// (TZdaniaDDSameForm), as both windows show them: the box Pb with the sentences, the labels
// lbl_1..lbl_20 carrying the missing words (dragged with the mouse onto the gaps), and the
// marks wyk_1..wyk_20 beside the gaps after the check. The window owns the exercise; after
// every change it hands the board to Show, which lays the sentences out, puts every label at
// its gap or its home and the marks at their gaps, and repaints.
class GapBoardView : public QObject {
    Q_OBJECT
public:
    // The controls are made as children of `window`; Pb at `box` (window coordinates).
    GapBoardView(QWidget& window, GapWindow kind, const QString& fontFamily, const QRect& box);
    ~GapBoardView() override;

    // The question mark of an empty gap (img_pyt) and the shared marks of the check.
    void SetPictures(const QPixmap& question, const QPixmap& right, const QPixmap& wrong);
    // The widths of a sentence's flag and voice button (the catalog window's icons).
    void SetIconWidths(int flag, int voice);

    // A new exercise: any drag ends and the gaps' drop areas are forgotten.
    void Reset();
    // Lays the board out and shows it: `checked` after the check (answers and marks shown),
    // `labelsVisible` while the labels may be dragged.
    void Show(const GapBoard& board, bool checked, bool labelsVisible);

    // The first gap whose drop area holds a point of the window; -1 when none.
    int GapAtWindowPoint(QPoint at) const;
    // Where label `label` stands now (window coordinates of its top-left corner).
    QPoint LabelPos(int label) const;
    const GapLayout& Layout() const { return layout_; }
    const std::vector<GapRect>& DropAreas() const { return dropAreas_; }
    LabelDrag& Drag() { return *drag_; }

    // A drag of label `label` starts: true accepts it.
    std::function<bool(int label)> onStart;
    // Label `label` was released at a point of the window.
    std::function<void(int label, QPoint at)> onDrop;
    // After the check: an icon of a sentence (flag or voice button) goes to a point of the window.
    std::function<void(const GapDrawn& icon, QPoint at)> onIcon;

    PaintBox* Pb;
    std::array<QLabel*, kGapLimit> lbl{};  // lbl_1..lbl_20
    std::array<QLabel*, kGapLimit> wyk{};  // wyk_1..wyk_20

private:
    void Paint(QPainter& painter);

    QWidget& window_;
    GapWindow kind_;
    QString family_;
    TextMeasure measure_;
    GapLayoutMetrics metrics_;
    QPixmap question_, right_, wrong_;
    GapLayout layout_;
    std::vector<GapRect> dropAreas_;
    LabelDrag* drag_;
    const GapBoard* board_ = nullptr;  // the board last shown (to repaint it)
};

}  // namespace quillan
