// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/Cp1252.h"

#include "util/Utf8.h"

#include <array>
#include <cstdint>

namespace rovanta {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals
// Latin-1. Undefined bytes map to themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t byteToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

int codePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Runs of ASCII bytes are the same in UTF-8: copied as a whole.
        std::size_t ascii = i;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) {
            ++ascii;
        }
        out.append(bytes.substr(i, ascii - i));
        if (ascii < bytes.size()) {
            appendUtf8(out, byteToCodePoint(static_cast<unsigned char>(bytes[ascii])));
            ++ascii;
        }
        i = ascii;
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = decodeUtf8(utf8, pos);
        const int byte = codePointToByte(cp);
        out.push_back(byte < 0 ? '?' : static_cast<char>(static_cast<unsigned char>(byte)));
    }
    return out;
}

} // namespace rovanta
