// Pasting into the edit box as the interactive screen does: one Insert of
// the whole text into an ES_AUTOHSCROLL field as wide as Velkin's, which
// then scrolls to show the caret. Characters a second; every seventh is
// Chinese (two cells). At the terminal's default limit of 30,000 units, and
// a 1 MiB paste with the limit raised as EM_LIMITTEXT does.
#include <benchmark/benchmark.h>

#include "console/edit_field.h"

namespace {

void BM_PasteIntoEditField(benchmark::State& state) {
    const size_t length = static_cast<size_t>(state.range(0));
    const size_t limit = static_cast<size_t>(state.range(1));
    std::u32string text(length, U'a');
    for (size_t i = 0; i < text.size(); i += 7) text[i] = U'中';
    for (auto _ : state) {
        ce::console::EditField field(19, true, limit);
        field.Insert(text);
        benchmark::DoNotOptimize(field.Visible());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * length));
}

BENCHMARK(BM_PasteIntoEditField)->Args({30000, 30000})->Args({1 << 20, 1 << 21})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
