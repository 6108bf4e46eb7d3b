// SPDX-License-Identifier: GPL-3.0-or-later
// Tour files of arbitrary bytes, loaded as "laden" does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "AppRig.h"
#include "util/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* rig = new rovanta::testing::AppRig();
    static const std::string path = "/tmp/rovanta-fuzz-tour-" + std::to_string(::getpid()) + ".txt";
    rovanta::writeFileAtomic(path, std::string(reinterpret_cast<const char*>(data), size));
    rig->tourFiles.loadTourFile(path);
    const auto& lists = rig->tour.lists();
    for (int i = 0; i < lists.count(); ++i) {
        (void)lists.entry(i);
    }
    // What was loaded saves and loads back unchanged.
    rig->form.state.tourFile = path;
    rig->tourFiles.save();
    return 0;
}
