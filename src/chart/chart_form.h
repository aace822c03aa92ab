#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>

#include "chart/chart_painting.h"
#include "chart/chart_tree.h"
#include "chart/chart_view.h"

class QLabel;

namespace quillan {

struct AppContext;
class SharedForms;
class ExerciseLauncher;
class TTransparentButton;
class TFCSImage1;
class HtmlView;
class TWyborForm;
class Tkas_powt_Form;

// The chart's paint box (pb): draws the outline and reports the mouse to its window.
class ChartPaintBox : public QWidget {
    Q_OBJECT
public:
    ChartPaintBox(TWyborForm& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TWyborForm& form_;
};

// The exercise chart: the learner's exercises by lesson and package with their results, in
// two modes: 1 every exercise (the results chart), 2 the exercises whose repetition is due
// (the repetitions list, where repetitions can be deleted). A click on an exercise starts it.
class TWyborForm : public QWidget {
    Q_OBJECT
public:
    TWyborForm(AppContext& context, SharedForms& forms, ExerciseLauncher& launcher, QWidget* parent = nullptr);
    ~TWyborForm() override;

    // Builds the tree of the mode afresh (everything collapsed).
    void BuildChart(int mode);
    // What the main menu does to open the chart: builds it, shows or hides btn_kasuj_powt, and
    // shows the window.
    void Open(int mode, bool deleteAllShown);
    void Open(int mode) { Open(mode, mode == 2); }
    // Takes the current results and repetitions into the lines (done on every activation).
    void Refresh();
    // Asks the learner before every repetition is deleted; true deletes. Without one the
    // question window Tkas_powt_Form asks.
    void SetDeleteAllConfirmation(std::function<bool()> confirm) { confirmDeleteAll_ = std::move(confirm); }
    // Prints the chart as it is expanded now, then tells the learner.
    void PrintChart();

    ChartTree& Tree() { return tree_; }
    int ScrollOffset() const { return offset_; }
    const ChartLayout& Layout() const { return layout_; }

    QLabel* img_tlo;
    QWidget* Shape1;
    ChartPaintBox* pb;
    TFCSImage1* btn_up;
    TFCSImage1* btn_dn;
    TTransparentButton* btn_rozwin;
    TTransparentButton* btn_zwin;
    TTransparentButton* btn_kasuj_powt;
    TTransparentButton* btn_kasuj_1_powt;
    TTransparentButton* btn_print;
    TTransparentButton* btn_help;
    TTransparentButton* lbl_exit;
    HtmlView* Html;
    Tkas_powt_Form& DeleteAllQuestion() { return *kasPowt_; }

signals:
    // Every repetition was deleted: the main menu hides its repetitions entry.
    void RepetitionsCleared();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class ChartPaintBox;

    void ResetView();
    // Lays the outline out from the scroll offset, rebuilding the active spots, and repaints.
    void FullRepaint();
    void PaintBox(QPainter& painter);
    void BoxMouseMove(QPoint at);
    void BoxMouseDown(QPoint at, Qt::MouseButton button);
    void HideHighlight();
    void ExpandAll(bool expanded);
    void ScrollUp();
    void ScrollDown();
    void DeleteOneRepetition();
    void DeleteAllRepetitionsAsked();
    void ShowHelpPanel();

    AppContext& context_;
    SharedForms& forms_;
    ExerciseLauncher& launcher_;
    std::function<bool()> confirmDeleteAll_;
    std::unique_ptr<Tkas_powt_Form> kasPowt_;  // asks before all repetitions are deleted
    ChartPictures pictures_;
    ChartTree tree_;
    ChartLayout layout_;
    int offset_ = 0;
    ChartNode* deleteTarget_ = nullptr;  // the line btn_kasuj_1_powt deletes
};

}  // namespace quillan
