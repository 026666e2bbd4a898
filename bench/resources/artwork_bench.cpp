// Drawing the whole artwork catalog once, cold (empty cache), at 1x and at 2x: what the first
// showing of every panel costs.
#include <benchmark/benchmark.h>

#include "resources/ArtCatalog.h"
#include "resources/Artwork.h"
#include "tests/support/offscreen_gui_app.h"

namespace {

// The very first pass of the program: no pixmap drawn, no font loaded or fitted yet. Runs
// once, before the other benchmarks warm anything.
void BM_CatalogFirstPass1x(benchmark::State& state) {
    corvell::test::ensureGuiApp();
    const std::vector<int> ids = corvell::art::artworkIds();
    for (auto _ : state) {
        for (int id : ids) benchmark::DoNotOptimize(corvell::art::artwork(id, 1.0).cacheKey());
    }
}
BENCHMARK(BM_CatalogFirstPass1x)->Iterations(1)->Unit(benchmark::kMillisecond);

void drawCatalogCold(benchmark::State& state, qreal dpr) {
    corvell::test::ensureGuiApp();
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
