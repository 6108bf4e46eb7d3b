// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/TourCheckCommand.h"

#include "player/ActionCheck.h"
#include "tour/TourFileFormat.h"
#include "unattended/CommandLine.h"
#include "util/TextFile.h"

namespace rovanta {

int checkTourFile(const std::string& path, std::ostream& out, std::ostream& errors) {
    TourLineCollector file;
    if (!forEachTextLine(path, [&file](std::string line) { file.add(std::move(line)); })) {
        errors << "rovanta: Tour-Datei fehlt oder ist nicht lesbar: " << path << "\n";
        return kExitTourFile;
    }
    const std::vector<std::string> head = file.head();
    const std::vector<TourFinding> findings = checkTour(head, file.takeColumns());
    for (const TourFinding& f : findings) {
        if (f.entry == 0) {
            out << "tour: " << f.text << "\n";
        } else {
            out << "entry " << f.entry << ": " << f.text << "\n";
        }
    }
    return findings.empty() ? kExitOk : kExitFindings;
}

} // namespace rovanta
