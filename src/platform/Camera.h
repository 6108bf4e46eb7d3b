// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InputInjector.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rovanta {

// Pictures of the browser area for a guide or a run's screenshots.
class Camera {
public:
    virtual ~Camera() = default;
    // Takes a picture of the page as it stands now, with a ring drawn at the
    // client point ring (none for nothing), and writes it as a PNG file at
    // path; encoding and writing may finish later (see flush).
    virtual void take(const std::string& path, std::optional<Point> ring) = 0;
    // Waits until every picture taken so far is written.
    virtual void flush() = 0;
    // Reads the values of the page's password fields; the answer arrives
    // later through done.
    virtual void readSecrets(std::function<void(std::vector<std::string>)> done) = 0;
};

} // namespace rovanta
