// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace rovanta {

// Fetches documents from web addresses.
class InternetTransfer {
public:
    virtual ~InternetTransfer() = default;
    // The whole document at the address as text; nothing when the fetch
    // failed, timed out or was cancelled.
    virtual std::optional<std::string> fetchText(const std::string& address) = 0;
};

} // namespace rovanta
