// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace rovanta {

// What an action text does, in words for a guide: "tippt abc · Tab · fügt
// „hello world“ ein · speichert Feld 0 in f0.txt". Read by the player's own
// step reader, so the words say what the player does. A typed run that ended
// up in one of secrets (the page's password fields) reads "••••".
std::string actionInWords(const std::string& utf8Text,
                          const std::vector<std::string>& secrets = {});

// Whether the action text types or pastes anything into the page (then the
// guide shows a second picture after it).
bool actionChangesPage(const std::string& utf8Text);

} // namespace rovanta
