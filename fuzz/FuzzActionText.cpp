// SPDX-License-Identifier: GPL-3.0-or-later
// Any action text, run against the fakes on the virtual clock: every run
// must end. File names cannot leave the fuzzer's own folder: separators are
// turned into "_" before the text runs.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "PlaybackRig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = [] {
        std::string pattern = "/tmp/rovanta-fuzz-action-XXXXXX";
        std::string made = ::mkdtemp(pattern.data());
        if (::chdir(made.c_str()) != 0) {
            __builtin_trap();
        }
        return made;
    }();
    static auto* rig = new rovanta::testing::PlaybackRig();
    static int runs = 0;
    if (++runs % 2000 == 0) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::error_code ignored;
            std::filesystem::remove_all(entry.path(), ignored);
        }
    }
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char& c : text) {
        if (c == '/' || c == '\\') {
            c = '_';
        }
    }
    rig->input.keys.clear();
    rig->input.timeline.clear();
    rig->browser.calls.clear();
    rig->interpreter.dirList().fill(std::string());
    rovanta::ActionInterpreter::Outcome outcome{};
    rovanta::Task task = rig->interpreter.run(text, outcome);
    task.start();
    // Each character costs at most about 1.1 s of virtual time.
    if (!rig->clock.runUntil([&task] { return task.done(); },
                             static_cast<std::int64_t>(size + 1) * 2000)) {
        __builtin_trap(); // a text that never ends
    }
    return 0;
}
