// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourEntry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rovanta {

class TourLists;

// The header line of a tour: client width "/" client height in twips.
struct TourHeader {
    std::optional<double> width;  // nothing when it cannot be read
    std::optional<double> height; // nothing when it cannot be read
};

// A header longer than this rejects a tour text (it is no tour).
inline constexpr std::size_t kMaxTourTextHeader = 12;

// A decimal number filling the whole text (blanks around it allowed);
// nothing for any other text.
std::optional<double> parseDecimal(std::string_view text);

// Reads a header line: the number before the first "/" and the one after
// it. A line without "/" gives no width, and the whole line is the height.
TourHeader parseTourHeader(std::string_view line);

// The text of a tour file: header, interval, three lines per entry, each
// line ended by CR LF.
std::string formatTourFile(double widthTwips, double heightTwips, const std::string& interval,
                           const TourLists& lists);

// Takes a tour file's lines one at a time as they are read: the header and
// interval lines, then three lines an entry into the columns, with nothing
// held twice.
class TourLineCollector {
public:
    // The next line of the file.
    void add(std::string line);
    // The header (index 0) and interval (index 1) lines, as far as read.
    const std::vector<std::string>& head() const { return m_head; }
    // The entries; a last one with fewer lines gets empty texts.
    TourColumns takeColumns();

private:
    std::vector<std::string> m_head;
    TourColumns m_columns;
    std::size_t m_next = 0; // the column of the next entry line
};

// Lines of a tour text held in memory: a CR ends a line and the character
// after it is skipped; characters after the last CR are never used.
std::vector<std::string> tourTextLines(std::string_view text);

// A scale factor current / saved, worked out as (100 × current / saved) / 100;
// nothing when the saved size is 0.
std::optional<double> scaleFactor(double current, double saved);

} // namespace rovanta
