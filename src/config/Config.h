// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace rovanta {

// The settings kept in "Rovanta.cfg", one per line in this order.
struct Settings {
    std::string autoStartPfad;            // line 1: the autostart tour
    std::string mainURL;                  // line 2: the main address
    std::array<std::string, 6> quickTour; // lines 3..7: quick tours 1..5 (slot 0 unused)
    friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr const char* kConfigFileName = "Rovanta.cfg";

// The configuration file's path in a folder.
std::string configPath(const std::string& folder);

// Settings from the lines of a configuration file: the lines present are
// taken in order; settings without a line keep their value in defaults.
Settings settingsFromLines(const std::vector<std::string>& lines, const Settings& defaults);

// Reads the configuration file of folder over defaults; a missing or
// unreadable file gives the defaults.
Settings loadCfg(const std::string& folder, const Settings& defaults);

// Writes all seven lines (Windows-1252, CR LF) atomically; false when the
// file could not be written (the old one is then intact).
bool saveCfg(const std::string& folder, const Settings& settings);

} // namespace rovanta
