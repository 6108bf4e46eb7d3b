// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/Tour.h"
#include "tour/TourFileFormat.h"
#include "util/TextFile.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace rovanta;

namespace {

long peakRssKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string tourPath() {
    return "/tmp/rovanta-bench-" + std::to_string(::getpid()) + ".txt";
}

void fillTour(Tour& tour) {
    std::vector<TourEntry> entries;
    for (int i = 0; i < TourLists::kMaxItems; ++i) {
        entries.push_back({"http://example.org/seite" + std::to_string(i) + ".html",
                           "412;380;[Grüße]~V~T~E", "Hinweis Nummer " + std::to_string(i)});
    }
    tour.lists().assign(entries);
}

// Saving the largest tour a list can hold: format, encode, write atomically.
void saveLargestTour(benchmark::State& state) {
    Tour tour;
    fillTour(tour);
    const std::string path = tourPath();
    for (auto _ : state) {
        const std::string text = formatTourFile(15360, 11520, "03", tour.lists());
        benchmark::DoNotOptimize(writeTextFile(path, text));
    }
    ::unlink(path.c_str());
    state.counters["peak_rss_KiB"] = static_cast<double>(peakRssKiB());
}
BENCHMARK(saveLargestTour)->Unit(benchmark::kMillisecond);

// Loading it: read, decode, split, fill the three lists.
void loadLargestTour(benchmark::State& state) {
    const std::string path = tourPath();
    {
        Tour tour;
        fillTour(tour);
        writeTextFile(path, formatTourFile(15360, 11520, "03", tour.lists()));
    }
    for (auto _ : state) {
        Tour tour;
        TourLineCollector file;
        forEachTextLine(path, [&file](std::string line) { file.add(std::move(line)); });
        tour.lists().assignColumns(file.takeColumns());
        benchmark::DoNotOptimize(tour.lists().count());
    }
    ::unlink(path.c_str());
    state.counters["peak_rss_KiB"] = static_cast<double>(peakRssKiB());
}
BENCHMARK(loadLargestTour)->Unit(benchmark::kMillisecond);

} // namespace
