// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tour/TourEntry.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rovanta {

// Something in an action text the player will not do as it reads.
struct ActionFinding {
    std::size_t pos = 0; // 1-based character position in the text
    std::string text;    // what happens, and what to write instead
};

// What the check knows of the entry around an action text.
struct EntryContext {
    bool folderListed = false; // an earlier entry lists a folder ("~D")
    int tourEntries = 0;       // the tour's length, 0 when unknown
};

// The findings for an action text, in text order, read by the same step
// reader the player uses; none when the player types it as written.
std::vector<ActionFinding> checkActionText(const std::string& utf8Text,
                                           const EntryContext& context = {});

// True when the player types the character by a key of its own.
bool typedByKey(char cp1252);

// True when the text lists a folder ("~D") where the player reads one.
bool listsFolder(const std::string& utf8Text);

// The files and folders the text's file tokens name, one line each in text
// order: "lesen: …" ("~L"), "schreiben: …" ("~S"), "Ordner: …" ("~D").
std::vector<std::string> fileTokenNames(const std::string& utf8Text);

// A finding of a whole tour: entry 0 for the tour itself (header, interval).
struct TourFinding {
    int entry = 0;
    std::string text;
};

// The findings for a tour file's header and interval lines and entries.
std::vector<TourFinding> checkTour(const std::vector<std::string>& head,
                                   const TourColumns& columns);

} // namespace rovanta
