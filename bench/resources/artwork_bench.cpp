// Drawing the whole artwork catalog once, cold (empty cache), at 1x and at 2x: what the first
// showing of every panel costs.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "resources/ArtCatalog.h"
#include "resources/Artwork.h"

namespace {

void ensureGuiApp() {
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_resources";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

void drawCatalogCold(benchmark::State& state, qreal dpr) {
    ensureGuiApp();
    const std::vector<int> ids = corvell::art::artworkIds();
    // One warm-up pass fills the font caches of Qt and of the legend fitting, as a running
    // program's first panel would; every timed pass then starts from an empty pixmap cache.
    for (int id : ids) benchmark::DoNotOptimize(corvell::art::artwork(id, dpr));
    for (auto _ : state) {
        state.PauseTiming();
        corvell::art::clearArtworkCache();
        state.ResumeTiming();
        for (int id : ids) benchmark::DoNotOptimize(corvell::art::artwork(id, dpr).cacheKey());
    }
    state.counters["ids"] = static_cast<double>(ids.size());
}

void BM_CatalogCold1x(benchmark::State& state) {
    drawCatalogCold(state, 1.0);
}
void BM_CatalogCold2x(benchmark::State& state) {
    drawCatalogCold(state, 2.0);
}
BENCHMARK(BM_CatalogCold1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogCold2x)->Unit(benchmark::kMillisecond);

}  // namespace
