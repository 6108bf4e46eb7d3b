// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/Tour.h"
#include "tour/TourListObserver.h"
#include "util/Cp1252.h"
#include "util/TextFile.h"
#include "util/Wildcard.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace rovanta;

namespace {

// Counts notifications the way a list view model would receive them.
struct CountingObserver : TourListObserver {
    void itemInserted(TourList, int) override { ++calls; }
    void itemChanged(TourList, int) override { ++calls; }
    void itemRemoved(TourList, int) override { ++calls; }
    void listReset(TourList) override { ++calls; }
    void selectionChanged(TourList, int) override { ++calls; }
    long calls = 0;
};

std::vector<TourEntry> entries(int n) {
    std::vector<TourEntry> out;
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        out.push_back({"http://example.org/seite" + std::to_string(i) + ".html",
                       "412;380;Name~TOrt~E", "Hinweis " + std::to_string(i)});
    }
    return out;
}

void appendEntries(benchmark::State& state) {
    const auto input = entries(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Tour tour;
        CountingObserver observer;
        tour.lists().addObserver(&observer);
        for (const auto& e : input) {
            tour.lists().append(e);
        }
        benchmark::DoNotOptimize(observer.calls);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(appendEntries)->Arg(100)->Arg(32767);

void assignAndStart(benchmark::State& state) {
    const auto input = entries(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Tour tour;
        tour.lists().assign(input);
        tour.start();
        benchmark::DoNotOptimize(tour.table().item(1));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(assignAndStart)->Arg(100)->Arg(32767);

void removeFromFront(benchmark::State& state) {
    const auto input = entries(32767);
    for (auto _ : state) {
        state.PauseTiming();
        Tour tour;
        tour.lists().assign(input);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            tour.lists().remove(0);
        }
    }
}
BENCHMARK(removeFromFront);

void splitAndDecodeLines(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 30000; ++i) {
        text += "http://example.org/seite.html\r\n412;380;Gr\xFC\xDF"
                "e~E\r\n?\r\n";
    }
    for (auto _ : state) {
        auto lines = splitLines(cp1252ToUtf8(text));
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(splitAndDecodeLines);

void matchWildcards(benchmark::State& state) {
    const std::string name = "Urlaubsbild_2026_0815.HTML";
    for (auto _ : state) {
        benchmark::DoNotOptimize(wildcardMatch("*.htm?", name));
        benchmark::DoNotOptimize(wildcardMatch("urlaub*_????_*.jp*g", name));
    }
}
BENCHMARK(matchWildcards);

} // namespace
