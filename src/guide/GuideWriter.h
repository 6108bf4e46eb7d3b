// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace rovanta {

// One played step of a guide.
struct GuideStep {
    int entry = 0;       // the tour entry (1-based)
    std::string hint;    // the entry's hint; "?" for none
    std::string address; // the page's address
    std::string words;   // the action text in words; empty for none
    std::string before;  // the picture before the click (file name)
    std::string after;   // the picture after the action text, or empty
};

// A played tour's guide, ready to be written.
struct Guide {
    std::string tourName; // the tour file's name
    std::string date;     // when it was played, as shown
    std::vector<GuideStep> steps;
};

// Writes the guide into folder: index.html (every step as a thumbnail with
// its hint), one page per step ("Schritt N von M", linked and reachable
// with ← and →), alle.html with every step for printing, and anleitung.md.
// The pictures are copied in from pictureFolder. The folder is replaced only
// once the new guide is complete (written beside it, then renamed); false
// when it could not be written (the old guide then stays).
bool writeGuide(const Guide& guide, const std::string& pictureFolder, const std::string& folder);

// The guide folder beside a tour file: "kunden.txt" → "kunden_anleitung".
std::string guideFolderFor(const std::string& tourFile);

} // namespace rovanta
