// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionCheck.h"
#include "PlaybackRig.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace rovanta;
using namespace rovanta::testing;

namespace {

// Processor time the interpreter spends per character or token, outside the
// waits it is asked to make (those pass on the virtual clock at no cost).
void interpretText(benchmark::State& state, const std::string& unit) {
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        text += unit;
    }
    PlaybackRig rig;
    for (auto _ : state) {
        rig.input.timeline.clear();
        rig.input.keys.clear();
        benchmark::DoNotOptimize(rig.runText(text));
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK_CAPTURE(interpretText, letters, std::string("a"));
BENCHMARK_CAPTURE(interpretText, capitals, std::string("A"));
BENCHMARK_CAPTURE(interpretText, enterToken, std::string("~E"));
BENCHMARK_CAPTURE(interpretText, bracketText, std::string("[ab]"));
BENCHMARK_CAPTURE(interpretText, fieldWrite, std::string("~F1"));

// Processor time per tour step: navigate, readiness, click, a short action,
// hint and row selection. Pages load 300 virtual ms after navigation.
void playTour(benchmark::State& state) {
    std::vector<TourEntry> entries;
    for (int i = 0; i < 100; ++i) {
        entries.push_back(
            {"http://example.org/s" + std::to_string(i) + ".html", "10;30;ab~E", "Hinweis"});
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto rig = std::make_unique<PlaybackRig>();
        rig->loadPagesAfter(300);
        rig->tour.lists().assign(entries);
        rig->player.intervalChanged("1");
        rig->player.startTour();
        state.ResumeTiming();
        rig->clock.runUntil([&] { return !rig->tour.table().running(); });
        state.PauseTiming();
        rig.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(playTour)->Unit(benchmark::kMillisecond);

} // namespace

// The check of a 100-character action text, as the window runs it at each
// key the author types: tokens, bracketed text and characters that are not typed.
static void checkHundredCharacters(benchmark::State& state) {
    std::string text;
    while (text.size() < 100) {
        text += "Ab12 x~T[hello world]~V~F2~S:(o.txt|0)~G:3~Z";
    }
    text.resize(100);
    for (auto _ : state) {
        benchmark::DoNotOptimize(rovanta::checkActionText(text, {false, 10}));
    }
}
BENCHMARK(checkHundredCharacters);
