// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/UrlEntry.h"

#include "util/PathHelpers.h"

namespace rovanta {

UrlEntryKind classifyUrlEntry(std::string_view entry) {
    if (entry == kHoldMarker) {
        return UrlEntryKind::Hold;
    }
    if (entry.find(':') != std::string_view::npos || (!entry.empty() && entry[0] == '/')) {
        return UrlEntryKind::Absolute;
    }
    return UrlEntryKind::Relative;
}

std::string resolveUrlEntry(std::string_view entry, std::string_view startDir) {
    switch (classifyUrlEntry(entry)) {
    case UrlEntryKind::Hold:
    case UrlEntryKind::Absolute:
        return std::string(entry);
    case UrlEntryKind::Relative:
        break;
    }
    return std::string(startDir) + "/" + toLocalPath(entry);
}

} // namespace rovanta
