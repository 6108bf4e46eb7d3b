// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/Config.h"

#include "util/TextFile.h"

namespace rovanta {

std::string configPath(const std::string& folder) {
    return folder + "/" + kConfigFileName;
}

Settings settingsFromLines(const std::vector<std::string>& lines, const Settings& defaults) {
    Settings settings = defaults;
    if (!lines.empty()) {
        settings.autoStartPfad = lines[0];
    }
    if (lines.size() > 1) {
        settings.mainURL = lines[1];
    }
    for (std::size_t k = 1; k <= 5 && k + 1 < lines.size(); ++k) {
        settings.quickTour[k] = lines[k + 1];
    }
    return settings;
}

Settings loadCfg(const std::string& folder, const Settings& defaults) {
    const auto lines = readTextLines(configPath(folder));
    return lines ? settingsFromLines(*lines, defaults) : defaults;
}

bool saveCfg(const std::string& folder, const Settings& settings) {
    std::string text = settings.autoStartPfad + "\r\n" + settings.mainURL + "\r\n";
    for (std::size_t k = 1; k <= 5; ++k) {
        text += settings.quickTour[k] + "\r\n";
    }
    return writeTextFile(configPath(folder), text);
}

} // namespace rovanta
