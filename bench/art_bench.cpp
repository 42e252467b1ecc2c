// Drawing the whole deck (40 faces and the two backs) at the design card size
// with nothing cached: the cost of the first deal's pictures, or of a resize.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "table/card_art.h"

namespace {

constexpr QSize kCard(96, 153);

void drawDeck(morvello::CardArt& art, qreal dpr) {
    for (int code = 1; code <= 40; ++code) benchmark::DoNotOptimize(art.face(code, kCard, dpr));
    benchmark::DoNotOptimize(art.uprightBack(kCard, dpr));
    benchmark::DoNotOptimize(art.sidewaysBack(kCard.transposed(), dpr));
}

// A fresh loader: the SVG files are read and parsed, then every picture drawn.
void BM_DeckFromScratch(benchmark::State& state) {
    const qreal dpr = state.range(0);
    for (auto _ : state) {
        morvello::CardArt art;
        drawDeck(art, dpr);
    }
}
BENCHMARK(BM_DeckFromScratch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The drawings already parsed, the pixmap cache emptied: what a window resize costs.
void BM_DeckRedrawn(benchmark::State& state) {
    const qreal dpr = state.range(0);
    morvello::CardArt art;
    drawDeck(art, dpr);
    for (auto _ : state) {
        art.clearCache();
        drawDeck(art, dpr);
    }
}
BENCHMARK(BM_DeckRedrawn)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
