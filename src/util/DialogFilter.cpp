// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/DialogFilter.h"

#include "util/Utf8.h"

namespace rovanta {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
        if (at == std::string::npos) {
            return parts;
        }
        from = at + 1;
    }
}

// A mask's trailing "?"s match at most one character each, as in the file
// masks of the folder listing; a toolkit's "?" needs exactly one. So "*.htm?"
// becomes "*.htm *.htm?": .htm and .html files.
std::string withShorterForms(const std::string& patterns) {
    std::string out;
    for (const std::string& pattern : split(patterns, ' ')) {
        const std::size_t last = pattern.find_last_not_of('?');
        for (std::size_t len = last == std::string::npos ? 1 : last + 1; len < pattern.size();
             ++len) {
            out += (out.empty() ? "" : " ") + pattern.substr(0, len);
        }
        out += (out.empty() ? "" : " ") + pattern;
    }
    return out;
}

} // namespace

std::vector<FilterChoice> parseDialogFilter(const std::string& filter) {
    std::vector<FilterChoice> choices;
    const std::vector<std::string> parts = split(filter, '|');
    if (parts.size() == 1 && !trimBlanks(parts[0]).empty()) {
        // A bare pattern describes itself.
        return {{trimBlanks(parts[0]), trimBlanks(parts[0])}};
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        for (const std::string& p : split(parts[i + 1], ';')) {
            const std::string pattern = trimBlanks(p);
            if (!pattern.empty()) {
                patterns += (patterns.empty() ? "" : " ") + pattern;
            }
        }
        choices.push_back({trimBlanks(parts[i]), patterns.empty() ? std::string("*") : patterns});
    }
    return choices;
}

std::string toolkitFilter(const std::string& filter) {
    std::string out;
    for (const FilterChoice& choice : parseDialogFilter(filter)) {
        if (!out.empty()) {
            out += ";;";
        }
        out += choice.description + " (" + withShorterForms(choice.patterns) + ")";
    }
    return out;
}

} // namespace rovanta
