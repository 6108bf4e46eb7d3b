// SPDX-License-Identifier: GPL-3.0-or-later
// Tour text as a web fetch would deliver it, read into the tour.
#include <cstddef>
#include <cstdint>
#include <string>

#include "AppRig.h"
#include "util/Cp1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* rig = new rovanta::testing::AppRig();
    const std::string text =
        rovanta::cp1252ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
    rig->tour.lists().clear();
    rig->tourFiles.parseTourText(text, true);
    // The three lists always stay equally long.
    const auto& lists = rig->tour.lists();
    for (int i = 0; i < lists.count(); ++i) {
        (void)lists.entry(i);
    }
    return 0;
}
