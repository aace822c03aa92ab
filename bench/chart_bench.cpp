// The exercise chart of a learner with a full results table (2000 records in 30 lessons) and a
// full repetitions list (1000 entries), on a course with a full table of display names (10000):
// building the tree, and building it and painting it into a 1024 x 768 picture as the window
// shows it.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "session/app_context.h"
#include "app/program.h"
#include "platform/cp1250.h"
#include "chart/chart_painting.h"
#include "chart/chart_tree.h"
#include "chart/chart_view.h"

namespace {

using namespace quillan;

constexpr DayNumber kNow = 46365.5;  // 2026-12-09 12:00

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// One lesson's exercises, as the course builds them: texts with their exercises, a vocabulary
// set, a dialogue, a sentence package and single exercises.
struct Family {
    const char* prefix;
    std::vector<int> kinds;
};
const std::vector<Family> kLessonPattern = {
    {"tek_", {40, 41, 42, 43, 44, 45, 46}}, {"tek_", {40, 41, 44, 47}}, {"tek_", {45, 40}},
    {"slo_", {60, 61, 62, 63, 64}},         {"dia_", {70, 71, 73, 74}}, {"zda_", {50, 51, 52}},
    {"lst_", {57}}, {"rpg_", {54}}, {"zdn_", {56}}, {"zdd_", {59}}, {"cie_", {58}}, {"otw_", {90}},
};

class FullChart {
public:
    FullChart() {
        dir_ = (std::filesystem::temp_directory_path() / "quillan-bench-chart").string() + "/";
        std::filesystem::create_directories(dir_);
        context.startup.ProgramDir = dir_;
        context.course.interfaceTexts.assign(200, Utf8ToCp1250("Ćwiczenie z rozumienia tekstu"));
        for (int lesson = 1; lesson <= 30; ++lesson)
            context.course.sections.push_back(
                {Utf8ToCp1250(Two(lesson) + ". Spotkania i rozmowy w biurze"), "L" + Two(lesson)});
        ResultsTable& table = context.learner.results;
        int number = 0;
        for (int lesson = 1; table.records.size() < kMaxResults; lesson = lesson % 30 + 1) {
            for (const Family& family : kLessonPattern) {
                ++number;
                for (int kind : family.kinds) {
                    if (table.records.size() == kMaxResults) break;
                    const std::string title = std::string(family.prefix) == "zda_"
                                                  ? "DZIAL=L" + Two(lesson) + "=(" + std::to_string(number) + ")"
                                                  : "T" + std::to_string(number);
                    CW_Info& r = AppendRecord(table, kNow - 30, family.prefix + std::to_string(number), title, kind,
                                              1 + number % 4);
                    r.LessonCode = "L" + Two(lesson);
                    if (table.records.size() % 2 == 0) {
                        r.DoneCount = 1;
                        r.Result = static_cast<std::uint8_t>(table.records.size() * 7 % 101);
                        r.LastDone = kNow - static_cast<double>(table.records.size() % 20);
                    }
                }
            }
        }
        // Display names as many as the course holds, those of this table's titles last.
        DisplayNames& names = context.course.displayNames;
        for (int n = 1; n <= 10000 - number; ++n)
            names.push_back({"S" + std::to_string(10000 + n), Utf8ToCp1250("Słówka: spotkanie w biurze")});
        for (int n = 1; n <= number; ++n)
            names.push_back({"T" + std::to_string(n), Utf8ToCp1250("Rozmowa kwalifikacyjna w dziale sprzedaży")});
        // Every other exercise waits for its repetition, half of them due.
        RepetitionList& repetitions = context.learner.repetitions;
        for (size_t i = 0; i < table.records.size() && repetitions.entries.size() < kMaxRepetitions; i += 2) {
            const CW_Info& r = table.records[i];
            repetitions.entries.push_back({r.Id, r.Kind, r.Key, 3, kNow + (i % 4 == 0 ? -1.0 : 2.0), kNow - 3,
                                           static_cast<std::uint8_t>(RepetitionIndexFor(r.Kind, 1))});
        }
        for (const std::string& name : ChartPictures::Names()) {
            const bool box = name == "img_plus" || name == "img_minus";
            const bool bar = name.rfind("img_prog", 0) == 0;
            QPixmap picture(bar ? 102 : box ? 13 : 20, bar ? 14 : box ? 13 : 20);
            picture.fill(QColor(0, 101, 153, 160));
            pictures.Set(name, picture);
        }
        background = QPixmap(1024, 768);
        background.fill(QColor(233, 247, 250));
    }
    ~FullChart() { std::filesystem::remove_all(dir_); }

    AppContext context;
    ChartPictures pictures;
    QPixmap background;

private:
    std::string dir_;
};

FullChart& Chart() {
    static FullChart chart;
    return chart;
}

void BuildChart(benchmark::State& state) {
    FullChart& chart = Chart();
    for (auto _ : state) {
        ChartTree tree;
        tree.Build(chart.context, static_cast<int>(state.range(0)), kNow);
        benchmark::DoNotOptimize(tree.VisibleRowCount());
    }
}
BENCHMARK(BuildChart)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// What opening the window costs: the tree, the layout of the rows in view with their active
// spots, and the painting of the window's picture with the outline on it. Argument 1 opens
// the results chart, 2 the repetitions list; the third case expands every line first.
void BuildAndPaint(benchmark::State& state) {
    FullChart& chart = Chart();
    const QtChartMetrics metrics(chart.pictures);
    QImage screen(1024, 768, QImage::Format_ARGB32_Premultiplied);
    const int mode = state.range(0) == 3 ? 1 : static_cast<int>(state.range(0));
    for (auto _ : state) {
        ChartTree tree;
        tree.Build(chart.context, mode, kNow);
        if (state.range(0) == 3) tree.SetAllExpanded(true);
        const ChartLayout layout = LayOutChart(tree, 0, metrics);
        QPainter painter(&screen);
        painter.drawPixmap(0, 0, chart.background);
        painter.translate(chart_geometry::BoxLeft, chart_geometry::BoxTop);
        painter.setClipRect(0, 0, chart_geometry::BoxWidth, chart_geometry::BoxHeight);
        PaintChart(painter, layout, chart.pictures);
    }
}
BENCHMARK(BuildAndPaint)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// A step of the scroll buttons: the layout from the new offset and the painting.
void ScrollAndPaint(benchmark::State& state) {
    FullChart& chart = Chart();
    const QtChartMetrics metrics(chart.pictures);
    QImage screen(1024, 768, QImage::Format_ARGB32_Premultiplied);
    ChartTree tree;
    tree.Build(chart.context, 1, kNow);
    tree.SetAllExpanded(true);
    int offset = 0;
    for (auto _ : state) {
        offset = (offset + 1) % 2000;
        const ChartLayout layout = LayOutChart(tree, offset, metrics);
        QPainter painter(&screen);
        painter.drawPixmap(0, 0, chart.background);
        painter.translate(chart_geometry::BoxLeft, chart_geometry::BoxTop);
        PaintChart(painter, layout, chart.pictures);
    }
}
BENCHMARK(ScrollAndPaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    using namespace quillan;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetUpFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
