// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionCheck.h"

#include "player/ActionReader.h"
#include "player/TourPlayer.h"
#include "tour/PositionEntry.h"
#include "tour/TourFileFormat.h"
#include "util/Cp1252.h"
#include "util/SlotTable.h"

namespace rovanta {
namespace {

using Kind = ActionStep::Kind;

// The token as the author wrote it, for the texts: "~F", "~L" …
std::string token(const ActionStep& step) {
    return std::string("„~") + step.ch + "“";
}

// How a token is written in full, for the texts.
const char* example(Kind kind) {
    switch (kind) {
    case Kind::Field: return "~F1";
    case Kind::Load: return "~L:(datei.txt)";
    case Kind::Save: return "~S:(datei.txt|0)";
    case Kind::List: return "~D:(ordner|*.txt)";
    case Kind::GoTo: return "~G:3";
    default: return "";
    }
}

// Findings of one step; listed tells whether a folder was listed so far.
void checkStep(const ActionStep& s, const EntryContext& context, bool& listed,
               std::vector<ActionFinding>& out) {
    const auto add = [&out, &s](std::string text) { out.push_back({s.pos + 1, std::move(text)}); };
    const std::string written = example(s.kind);
    switch (s.kind) {
    case Kind::Key:
        if (!typedByKey(s.ch)) {
            add("„" + cp1252ToUtf8(std::string(1, s.ch)) +
                "“ wird nicht getippt; Text mit Leerzeichen, Satzzeichen oder Umlauten als "
                "[Text]~V einfügen");
        }
        return;
    case Kind::Unknown:
        add(token(s) + " ist kein Befehl; bekannt sind ~E ~T ~V ~A ~C ~F ~L ~S ~D ~G ~Q");
        return;
    case Kind::Dangling:
        add("„~“ am Ende bewirkt nichts");
        return;
    case Kind::List:
        listed = true;
        break;
    default:
        break;
    }
    if (!s.wellFormed) {
        add("nach " + token(s) + " fehlt „:(“ oder „:“; so geht es: " + written);
    } else if (!s.closed) {
        add(token(s) + " ohne " + (s.kind == Kind::Save ? "„|“" : "„)“") +
            ": der Rest des Textes wird zum Namen; so geht es: " + written);
    } else if ((s.kind == Kind::Field || s.kind == Kind::Save || s.kind == Kind::GoTo) &&
               s.digit < 0) {
        add(token(s) + " braucht eine Ziffer; so geht es: " + written);
    } else if (!s.tail) {
        add("nach der Ziffer von " + token(s) +
            " fehlt „)“: das Zeichen danach wird übersprungen; so geht es: " + written);
    }
    const bool namesListed =
        (s.kind == Kind::Load && s.text == "%") || (s.kind == Kind::Save && !s.text.empty() &&
                                                   s.text[0] == '%');
    if (namesListed && !listed) {
        add("„%“ nennt eine Datei der Liste, aber davor liest kein ~D einen Ordner");
    }
    if (s.kind == Kind::GoTo && s.digit > context.tourEntries && context.tourEntries > 0) {
        add("~G:" + std::to_string(s.digit) + " springt hinter das Ende der Tour (" +
            std::to_string(context.tourEntries) + " Einträge)");
    }
}

} // namespace

bool listsFolder(const std::string& utf8Text) {
    ActionReader reader(utf8ToCp1252(utf8Text));
    while (const std::optional<ActionStep> step = reader.next()) {
        if (step->kind == Kind::List) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> fileTokenNames(const std::string& utf8Text) {
    std::vector<std::string> names;
    ActionReader reader(utf8ToCp1252(utf8Text));
    while (const std::optional<ActionStep> step = reader.next()) {
        const std::string name = cp1252ToUtf8(step->text);
        const bool listed = !name.empty() && name[0] == '%'; // beside the listed file
        const std::string note = listed ? " (zur Datei der Liste)" : "";
        if (step->kind == Kind::Load) {
            names.push_back("lesen: " + name + note);
        } else if (step->kind == Kind::Save) {
            names.push_back("schreiben: " + name + note);
        } else if (step->kind == Kind::List) {
            names.push_back("Ordner: " + name + " (" + cp1252ToUtf8(step->pattern) + ")");
        }
    }
    return names;
}

bool typedByKey(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           c == '-' || c == ',' || c == '/' || c == '+' || c == '*';
}

std::vector<ActionFinding> checkActionText(const std::string& utf8Text,
                                           const EntryContext& context) {
    std::vector<ActionFinding> findings;
    ActionReader reader(utf8ToCp1252(utf8Text));
    bool listed = context.folderListed;
    std::size_t open = 0;     // where the last "[" stands, 1-based
    bool inBrackets = false;
    while (const std::optional<ActionStep> step = reader.next()) {
        if (step->kind == Kind::Open) {
            open = step->pos + 1;
            inBrackets = true;
        } else if (step->kind == Kind::Close) {
            if (!inBrackets) {
                findings.push_back({step->pos + 1, "„]“ ohne „[“ wird nicht getippt"});
            }
            inBrackets = false;
        }
        checkStep(*step, context, listed, findings);
    }
    if (inBrackets) {
        findings.push_back({open, "„[“ ohne „]“: der Text danach kommt nie in die Zwischenablage"});
    }
    return findings;
}

std::vector<TourFinding> checkTour(const std::vector<std::string>& head,
                                   const TourColumns& columns) {
    std::vector<TourFinding> findings;
    const TourHeader header = parseTourHeader(head.empty() ? std::string() : head[0]);
    if (!header.width || !header.height) {
        findings.push_back({0, "die Kopfzeile „" + (head.empty() ? std::string() : head[0]) +
                                   "“ ist nicht lesbar; so geht es: Breite/Höhe, etwa 19200/15000"});
    }
    const std::string interval = head.size() > 1 ? head[1] : std::string();
    if (!intervalFromText(interval)) {
        findings.push_back({0, "das Intervall „" + interval +
                                   "“ wird abgelehnt; erlaubt sind ganze Sekunden bis 32"});
    }
    const auto& positions = columns[static_cast<std::size_t>(TourList::Positions)];
    const int count = static_cast<int>(positions.size());
    bool listed = false;
    for (int i = 0; i < count; ++i) {
        if (i == kLastSlot) {
            findings.push_back({i + 1, "Einträge ab " + std::to_string(kLastSlot + 1) +
                                           " werden nie gespielt (die Tour hat " +
                                           std::to_string(count) + ")"});
            break;
        }
        const std::string keys = readPositionEntry(positions[static_cast<std::size_t>(i)]).keys;
        for (const ActionFinding& f : checkActionText(keys, {listed, count})) {
            findings.push_back({i + 1, "Zeichen " + std::to_string(f.pos) + ": " + f.text});
        }
        listed = listed || listsFolder(keys);
    }
    return findings;
}

} // namespace rovanta
