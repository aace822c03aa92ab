// The windows of the text exercises whose learner drags or pairs words, on the largest content
// each holds (40 words in 8 columns of 19 rows; 14 items; 14 pairs; 20 gaps in 20 sentences;
// 10 catalog sentences): preparing the exercise (reading, shuffling, laying out), painting the
// content box and the whole window into a picture, and one pointer move while a label is held.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/program.h"
#include "exercises/texts/catalog_gap_window.h"
#include "exercises/texts/drag_drop_table_window.h"
#include "exercises/texts/gap_board_view.h"
#include "exercises/texts/gap_text_window.h"
#include "exercises/texts/ordering_list_window.h"
#include "exercises/texts/pair_matching_window.h"
#include "exercises/texts/paint_box.h"
#include "exercises/texts/text_window_fixture.h"  // the window tests' installation and fakes

namespace {

using namespace quillan;

std::string N(int n) { return std::to_string(n); }

std::string DragDropContent() {
    std::string s = "8#19#";
    for (int c = 1; c <= kDdColumnLimit; ++c) s += "Heading " + N(c) + "#";
    for (int i = 0; i < kDdWordLimit; ++i) s += "business word " + N(i) + "*" + N(i % kDdColumnLimit + 1) + "#";
    return s;
}

std::string OrderingContent() {
    std::string s;
    for (int i = kDvItemLimit; i >= 1; --i) s += "Step number " + N(i) + " of the negotiation*" + N(i) + "#";
    return s;
}

std::string PairContent() {
    std::string s;
    for (int i = 1; i <= kHhPairLimit; ++i) s += "left phrase " + N(i) + "*right phrase " + N(i) + "#";
    return s;
}

std::string GapTextContent() {
    std::string s;
    for (int i = 1; i <= kGapLimit; ++i) s += "[PL] Sentence " + N(i) + " [/PL] We <have+to> postpone the next meeting.=";
    return s;
}

// One window of each kind, opened from the chart on its own course text, and the catalog
// window on an entry of ten sentences with two gaps each.
struct Windows : test::TextWindowFixture {
    TC_DDForm* dd = nullptr;
    TC_DDVForm* dv = nullptr;
    TC_HForm* hh = nullptr;
    TZdaniaDDForm* zdd = nullptr;
    TZdaniaDDSameForm* catalog = nullptr;

    Windows() {
        Add(1, "DD#" + DragDropContent(), 42, 1);
        Add(2, "DV#" + OrderingContent(), 46, 2);
        Add(3, "HH#" + PairContent(), 43, 3);
        Add(4, "ZDD#" + GapTextContent(), 47, 4);
        CatalogEntry entry;
        entry.Code = "0001600101";
        for (int i = 1; i <= kCatalogSentenceLimit; ++i) {
            const std::string id = "0060" + std::string(i < 10 ? "0" : "") + N(i);
            ctx.course.dragDrop.push_back({id, "We <have+to> postpone the next <meeting>. Really", "Musimy."});
            entry.Line4 += id + "=";
        }
        ctx.course.catalog.push_back(entry);
        AppendRecord(table, 46000.0, "zdd_1", "ZDD_0001", 59, 1);
        Start();
        dd = OpenFromChart<TC_DDForm>(1, 1);
        dv = OpenFromChart<TC_DDVForm>(2, 1);
        hh = OpenFromChart<TC_HForm>(3, 1);
        zdd = OpenFromChart<TZdaniaDDForm>(4, 1);
        windows->Launcher().Start(ctx, 5, 1);
        catalog = &windows->CatalogGapWindow();
    }
};

Windows& Shared() {
    static Windows* windows = new Windows;  // kept for the whole run, as the program keeps its windows
    return *windows;
}

void Render(benchmark::State& state, QWidget& widget) {
    QImage picture(widget.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&picture);
        widget.render(&painter);
    }
}

void BM_TablePrepare(benchmark::State& state) {
    Windows& w = Shared();
    for (auto _ : state) w.dd->PrepareExercise(w.dd->Entry());
}
void BM_TablePaintBox(benchmark::State& state) { Render(state, *Shared().dd->PaintBox2); }
void BM_TablePaintWindow(benchmark::State& state) { Render(state, *Shared().dd); }

void BM_OrderingPrepare(benchmark::State& state) {
    Windows& w = Shared();
    for (auto _ : state) w.dv->PrepareExercise(w.dv->Entry());
}
void BM_OrderingPaintBox(benchmark::State& state) { Render(state, *Shared().dv->PaintBox2); }
void BM_OrderingPaintWindow(benchmark::State& state) { Render(state, *Shared().dv); }

void BM_PairsPrepare(benchmark::State& state) {
    Windows& w = Shared();
    for (auto _ : state) w.hh->PrepareExercise(w.hh->Entry());
}
void BM_PairsPaintWindow(benchmark::State& state) { Render(state, *Shared().hh); }

void BM_GapTextPrepare(benchmark::State& state) {
    Windows& w = Shared();
    for (auto _ : state) w.zdd->PrepareExercise(w.zdd->Entry());
}
void BM_GapTextPaintBox(benchmark::State& state) { Render(state, *Shared().zdd->Board().Pb); }
void BM_GapTextPaintWindow(benchmark::State& state) { Render(state, *Shared().zdd); }

void BM_CatalogPrepare(benchmark::State& state) {
    Windows& w = Shared();
    for (auto _ : state) w.catalog->PrepareExercise(1);
}
void BM_CatalogPaintBox(benchmark::State& state) { Render(state, *Shared().catalog->Board().Pb); }
void BM_CatalogPaintWindow(benchmark::State& state) { Render(state, *Shared().catalog); }

// One pointer move while a label is held: the press before, the release after the run.
void Mouse(QWidget& label, QEvent::Type type, QPoint inWindow) {
    const QPoint at = label.mapFromParent(inWindow);
    QMouseEvent event(type, at, label.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &event);
}
void DragMove(benchmark::State& state, QWidget& label) {
    const QPoint start = label.geometry().center();
    Mouse(label, QEvent::MouseButtonPress, start);
    int step = 0;
    for (auto _ : state) {
        Mouse(label, QEvent::MouseMove, start + QPoint(step % 50 - 100, step % 30 - 60));
        ++step;
    }
    Mouse(label, QEvent::MouseButtonRelease, start);
}
void BM_TableDragMove(benchmark::State& state) { DragMove(state, *Shared().dd->lbl[0]); }
void BM_OrderingDragMove(benchmark::State& state) { DragMove(state, *Shared().dv->lbl[0]); }
void BM_GapTextDragMove(benchmark::State& state) { DragMove(state, *Shared().zdd->Board().lbl[0]); }
void BM_CatalogDragMove(benchmark::State& state) { DragMove(state, *Shared().catalog->Board().lbl[0]); }

}  // namespace

BENCHMARK(BM_TablePrepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TablePaintBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TablePaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableDragMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderingPrepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderingPaintBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderingPaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderingDragMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairsPrepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PairsPaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GapTextPrepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GapTextPaintBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GapTextPaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GapTextDragMove)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogPrepare)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogPaintBox)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogPaintWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CatalogDragMove)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    using namespace quillan;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUpFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
