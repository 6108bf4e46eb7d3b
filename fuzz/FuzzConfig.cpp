// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration files of arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "config/Config.h"
#include "util/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        std::string pattern = "/tmp/rovanta-fuzz-cfg-XXXXXX";
        return std::string(::mkdtemp(pattern.data()));
    }();
    rovanta::writeFileAtomic(rovanta::configPath(folder),
                             std::string(reinterpret_cast<const char*>(data), size));
    rovanta::Settings defaults;
    defaults.mainURL = "default";
    const rovanta::Settings read = rovanta::loadCfg(folder, defaults);
    // Saving what was read and reading it again gives the same settings
    // unless a value held a line break, which the format cannot carry.
    bool plain = true;
    for (const std::string* v : {&read.autoStartPfad, &read.mainURL}) {
        plain = plain && v->find('\n') == std::string::npos;
    }
    for (std::size_t k = 1; k <= 5; ++k) {
        plain = plain && read.quickTour[k].find('\n') == std::string::npos;
    }
    if (plain && rovanta::saveCfg(folder, read)) {
        const rovanta::Settings again = rovanta::loadCfg(folder, defaults);
        if (!(again == read)) {
            __builtin_trap();
        }
    }
    return 0;
}
