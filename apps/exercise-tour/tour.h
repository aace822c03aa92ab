#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <string>

class QWidget;

namespace quillan {

struct AppContext;
struct ChartNode;
class ExerciseWindows;
class SharedForms;

namespace tour {

// How the tour answers: every answer right, or the first option everywhere (the first answer as
// shown, "true", the first letters of a typed answer, the terms in label order, ...).
enum class Answers { Right, First };

// What a family's tour works with: the program's context and windows, where the pictures go and
// how to answer.
struct Tour {
    AppContext& context;
    SharedForms& forms;
    ExerciseWindows& windows;
    QString outDir;
    Answers answers = Answers::Right;

    bool Right() const { return answers == Answers::Right; }
    // Saves a picture of the window (of the whole screen on an X server) as OUT_DIR/NAME.png.
    void Save(QWidget& window, const std::string& name) const;
};

// Runs the event loop for a while, so that windows paint and sounds play.
void Settle(int ms);

// The mouse as the learner moves it, at a point of `widget`: a click, and the three steps of a
// drag (press, moves, release), each event delivered to the widget under the point.
void Click(QWidget& widget, QPoint at);
void Press(QWidget& widget, QPoint at);
void MoveTo(QWidget& widget, QPoint at);
void Release(QWidget& widget, QPoint at);
// Drags from `from` on `source` to `to` on `target` in a few steps, as a hand does.
void Drag(QWidget& source, QPoint from, QWidget& target, QPoint to);

// A family's tour: the chart has just opened the exercise of `line` (its window shows); the tour
// works it through the window, saves its pictures (names start with `name`) and closes it.
using FamilyTour = std::function<void(Tour&, const ChartNode& line, const std::string& name)>;

// The families the tour knows, by the prefix of their exercise ids ("tek_", "dia_", ...). Each
// family's file adds itself with a FamilyRegistration at namespace scope.
std::map<std::string, FamilyTour>& Families();

struct FamilyRegistration {
    FamilyRegistration(const std::string& prefix, FamilyTour tour) { Families()[prefix] = std::move(tour); }
};

}  // namespace tour
}  // namespace quillan
