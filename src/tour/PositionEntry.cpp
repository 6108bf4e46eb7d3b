// SPDX-License-Identifier: GPL-3.0-or-later
#include "tour/PositionEntry.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace rovanta {
namespace {

// A double as single precision; values past its range are clamped, not
// left to the undefined conversion.
float toSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) {
        return std::numeric_limits<float>::max();
    }
    if (value < -kMax) {
        return -std::numeric_limits<float>::max();
    }
    return static_cast<float>(value);
}

} // namespace

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    double sign = 1;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        sign = text[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value += (text[i] - '0') * scale;
            scale /= 10;
            ++i;
        }
    }
    return sign * value;
}

PositionEntry readPositionEntry(std::string_view text) {
    PositionEntry result;
    const std::size_t first = text.find(';');
    result.x = toSingle(leadingNumber(text.substr(0, first)));
    if (first == std::string_view::npos) {
        return result;
    }
    const std::string_view rest = text.substr(first + 1);
    const std::size_t second = rest.find(';');
    result.y = toSingle(leadingNumber(rest.substr(0, second)));
    if (second == std::string_view::npos) {
        return result;
    }
    const std::string_view tail = rest.substr(second + 1);
    const std::size_t third = tail.find(';');
    // The ";" that ends the third piece belongs to it.
    result.keys = std::string(third == std::string_view::npos ? tail : tail.substr(0, third + 1));
    return result;
}

std::string formatSingle(float value) {
    if (!std::isfinite(value)) {
        return "0";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text = buffer;
    // "1.5E+07" keeps its form; "-0" prints as "0".
    if (text == "-0") {
        text = "0";
    }
    return text;
}

std::string makePositionEntry(float x, float y, std::string_view keys) {
    return formatSingle(x) + ";" + formatSingle(y) + ";" + std::string(keys);
}

} // namespace rovanta
