// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/GuideWriter.h"
#include "util/TextFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace rovanta;

namespace {

// Writing the guide of a 100-step tour: 100 step pages, the index, the page
// to print, the Markdown and 200 pictures of 80 KiB (a page at 1280×1024 as
// PNG is about that), replacing the guide written before.
void writeHundredStepGuide(benchmark::State& state) {
    const std::string base = "/tmp/rovanta-guide-bench-" + std::to_string(::getpid());
    const std::string staging = base + "/bilder";
    std::filesystem::create_directories(staging);
    Guide guide{"kunden.txt", "9.12.2026", {}};
    const std::string picture(80 * 1024, 'p');
    for (int n = 1; n <= 100; ++n) {
        GuideStep step{n,
                       "Hinweis " + std::to_string(n),
                       "http://example.org/seite.html",
                       "tippt abc · Tab · fügt „hello world“ ein",
                       "",
                       ""};
        step.before = "schritt-" + std::to_string(1000 + n).substr(1) + ".png";
        step.after = "schritt-" + std::to_string(1000 + n).substr(1) + "-danach.png";
        writeFileAtomic(staging + "/" + step.before, picture);
        writeFileAtomic(staging + "/" + step.after, picture);
        guide.steps.push_back(step);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeGuide(guide, staging, base + "/kunden_anleitung"));
    }
    std::filesystem::remove_all(base);
}
BENCHMARK(writeHundredStepGuide)->Unit(benchmark::kMillisecond);

} // namespace
