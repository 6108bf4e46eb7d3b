// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/ActionWords.h"

#include "player/ActionReader.h"
#include "util/Cp1252.h"

#include <algorithm>

namespace rovanta {
namespace {

// The words joined with the guide's separator.
std::string joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : " · ") + word;
    }
    return text;
}

bool isSecret(const std::string& typed, const std::vector<std::string>& secrets) {
    return std::any_of(secrets.begin(), secrets.end(), [&typed](const std::string& secret) {
        return !secret.empty() && secret.find(typed) != std::string::npos;
    });
}

} // namespace

std::string actionInWords(const std::string& utf8Text, const std::vector<std::string>& secrets) {
    std::vector<std::string> words;
    std::string typed; // the run of keys typed so far, in UTF-8
    const auto endRun = [&] {
        if (!typed.empty()) {
            words.push_back("tippt " + (isSecret(typed, secrets) ? std::string("••••") : typed));
            typed.clear();
        }
    };
    std::string clipboard; // what the last "]" or "~L" put on the clipboard
    ActionReader reader(utf8ToCp1252(utf8Text));
    while (const std::optional<ActionStep> step = reader.next()) {
        if (step->kind == ActionStep::Kind::Key) {
            typed += cp1252ToUtf8(std::string(1, step->ch));
            continue;
        }
        endRun();
        const std::string text = cp1252ToUtf8(step->text);
        const std::string digit = step->digit < 0 ? "?" : std::to_string(step->digit);
        switch (step->kind) {
        case ActionStep::Kind::Close:
            clipboard = "„" + text + "“";
            break;
        case ActionStep::Kind::Tab:
            words.emplace_back("Tab");
            break;
        case ActionStep::Kind::Enter:
            words.emplace_back("Enter");
            break;
        case ActionStep::Kind::Paste:
            words.push_back("fügt " + (clipboard.empty() ? "die Zwischenablage" : clipboard) +
                            " ein");
            break;
        case ActionStep::Kind::Field:
            words.push_back("setzt Feld " + digit + " auf " +
                            (clipboard.empty() ? "die Zwischenablage" : clipboard));
            break;
        case ActionStep::Kind::SelectAll:
            words.emplace_back("markiert alles");
            break;
        case ActionStep::Kind::Copy:
            words.emplace_back("kopiert");
            break;
        case ActionStep::Kind::Load:
            clipboard = "den Inhalt von " + text;
            words.push_back("lädt " + text);
            break;
        case ActionStep::Kind::Save:
            words.push_back("speichert Feld " + digit + " in " + text);
            break;
        case ActionStep::Kind::List:
            words.push_back("listet " + step->pattern + " in " + text);
            break;
        case ActionStep::Kind::GoTo:
            words.push_back("weiter bei Eintrag " + digit + " für die nächste Datei");
            break;
        case ActionStep::Kind::Quit:
            words.emplace_back("beendet das Programm");
            break;
        case ActionStep::Kind::Key:
        case ActionStep::Kind::Open:
        case ActionStep::Kind::Bracketed:
        case ActionStep::Kind::Unknown:
        case ActionStep::Kind::Dangling:
            break;
        }
    }
    endRun();
    return joined(words);
}

bool actionChangesPage(const std::string& utf8Text) {
    ActionReader reader(utf8ToCp1252(utf8Text));
    while (const std::optional<ActionStep> step = reader.next()) {
        switch (step->kind) {
        case ActionStep::Kind::Key:
        case ActionStep::Kind::Tab:
        case ActionStep::Kind::Enter:
        case ActionStep::Kind::Paste:
        case ActionStep::Kind::Field:
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace rovanta
