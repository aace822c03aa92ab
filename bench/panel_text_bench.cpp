#include <benchmark/benchmark.h>

#include "guidance/panel_text.h"

namespace {

using namespace quillan;

// A help text as long as the panel takes: words, breaks, styles and icons.
std::string LongText() {
    std::string text = "HH_";
    for (int i = 0; i < 600; ++i) text += "Kliknij <b>przycisk</b> [typ_2] (<i>dalej</i>)@";
    return text;
}

class FixedMetrics : public PanelMetrics {
public:
    int TextWidth(std::string_view text, PanelStyle style) const override {
        return static_cast<int>(text.size()) * (style.bold ? 8 : 7);
    }
    int IconWidth(PanelIcon) const override { return 16; }
};

void BM_TokenizePanelText(benchmark::State& state) {
    const std::string text = LongText();
    for (auto _ : state) benchmark::DoNotOptimize(TokenizePanelText(text));
}
BENCHMARK(BM_TokenizePanelText);

// The panel lays its text out on every repaint (each scroll step).
void BM_LayOutPanel(benchmark::State& state) {
    const std::vector<std::string> tokens = TokenizePanelText(LongText());
    const FixedMetrics metrics;
    for (auto _ : state) benchmark::DoNotOptimize(LayOutPanel(tokens, 3, 381, metrics));
}
BENCHMARK(BM_LayOutPanel);

}  // namespace
