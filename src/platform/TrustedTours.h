// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

// The tour texts the user let use local files, remembered between runs.
class TrustedTours {
public:
    virtual ~TrustedTours() = default;
    // True when exactly this tour text was trusted or saved by the user.
    virtual bool isTrusted(const std::string& tourText) const = 0;
    // Remembers the tour text; when that cannot be written the question
    // simply comes again next time.
    virtual void trust(const std::string& tourText) = 0;
};

} // namespace rovanta
