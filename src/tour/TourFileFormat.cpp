// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/TourFileFormat.h"

#include "tour/PositionEntry.h"
#include "tour/TourLists.h"

#include <cmath>

namespace rovanta {

std::optional<double> parseDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            ++digits;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return leadingNumber(text);
}

TourHeader parseTourHeader(std::string_view line) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) {
        return {std::nullopt, parseDecimal(line)};
    }
    return {parseDecimal(line.substr(0, slash)), parseDecimal(line.substr(slash + 1))};
}

std::string formatTourFile(double widthTwips, double heightTwips, const std::string& interval,
                           const TourLists& lists) {
    // Whole twips: a fraction (a DPI that does not divide 1440) would make
    // the header longer than a tour text's header may be.
    std::string text = formatSingle(std::round(static_cast<float>(widthTwips))) + "/" +
                       formatSingle(std::round(static_cast<float>(heightTwips))) + "\r\n" +
                       interval + "\r\n";
    for (int i = 0; i < lists.count(); ++i) {
        text += lists.url(i) + "\r\n" + lists.position(i) + "\r\n" + lists.comment(i) + "\r\n";
    }
    return text;
}

void TourLineCollector::add(std::string line) {
    if (m_head.size() < 2) {
        m_head.push_back(std::move(line));
        return;
    }
    m_columns[m_next].push_back(std::move(line));
    m_next = (m_next + 1) % m_columns.size();
}

TourColumns TourLineCollector::takeColumns() {
    const std::size_t n = m_columns[0].size();
    for (auto& column : m_columns) {
        column.resize(n);
    }
    m_next = 0;
    return std::move(m_columns);
}

std::vector<std::string> tourTextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            ++i; // the character after the CR is skipped
        } else {
            current.push_back(text[i]);
        }
    }
    return lines;
}

std::optional<double> scaleFactor(double current, double saved) {
    if (saved == 0) {
        return std::nullopt;
    }
    return (100 * current / saved) / 100;
}

} // namespace rovanta
