// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/GuideWriter.h"

#include "generators/HtmlText.h"
#include "util/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <stdlib.h>
#include <system_error>

namespace fs = std::filesystem;

namespace rovanta {
namespace {

const char* const kStyle =
    "<style>body{font-family:'DejaVu Sans',Arial,sans-serif;margin:0;color:#1d2733;"
    "background:#f3f5f8}header{background:#1f4e79;color:#fff;padding:16px 32px}"
    "header h1{margin:0;font-size:24px}main{padding:16px 32px}nav{margin:12px 0}"
    "nav a{margin-right:16px}img{max-width:100%;border:1px solid #d5dbe3}"
    ".step{background:#fff;border:1px solid #d5dbe3;border-radius:6px;padding:12px 18px;"
    "margin-bottom:16px}.thumbs{display:flex;flex-wrap:wrap;gap:16px;list-style:none;"
    "padding:0}.thumbs li{width:260px}.thumbs img{width:260px}.adresse{color:#5a6675;"
    "word-break:break-all}@media print{.step{page-break-inside:avoid}nav{display:none}}"
    "</style>\n";

std::string stepPage(int n) {
    char name[32];
    std::snprintf(name, sizeof name, "schritt-%03d.html", n);
    return name;
}

// The hint as a heading, or nothing for "?" (no hint).
bool hasHint(const GuideStep& step) {
    return !step.hint.empty() && step.hint != "?";
}

std::string altText(const GuideStep& step, int n) {
    return hasHint(step) ? step.hint : "Schritt " + std::to_string(n);
}

std::string head(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           htmlText(title) + "</title>\n" + kStyle + "</head>\n<body>\n";
}

// A step's content: heading, address, pictures and what it does.
std::string stepBody(const GuideStep& step, int n, int count) {
    std::string html = "<p>Schritt " + std::to_string(n) + " von " + std::to_string(count) +
                       " (Eintrag " + std::to_string(step.entry) + ")</p>\n";
    if (hasHint(step)) {
        html += "<h2>" + htmlText(step.hint) + "</h2>\n";
    }
    html += "<p class=\"adresse\">" + htmlText(step.address) + "</p>\n";
    for (const std::string* picture : {&step.before, &step.after}) {
        if (!picture->empty()) {
            html += "<p><img src=\"" + htmlText(*picture) + "\" alt=\"" +
                    htmlText(altText(step, n)) + "\"></p>\n";
        }
    }
    if (!step.words.empty()) {
        html += "<p>Aktion: " + htmlText(step.words) + "</p>\n";
    }
    return html;
}

// Links to the neighbours and the overview; ← and → follow them (the page
// reads without the script).
std::string navigation(int n, int count) {
    std::string html = "<nav>";
    html += n > 1 ? "<a id=\"zurueck\" href=\"" + stepPage(n - 1) + "\">← zurück</a>"
                  : std::string("<span>← zurück</span>");
    html += "<a href=\"index.html\">Übersicht</a>";
    html += n < count ? "<a id=\"weiter\" href=\"" + stepPage(n + 1) + "\">weiter →</a>"
                      : std::string("<span>weiter →</span>");
    html += "</nav>\n<script>document.addEventListener('keydown',function(e){"
            "var a=document.getElementById(e.key==='ArrowLeft'?'zurueck':"
            "e.key==='ArrowRight'?'weiter':'');if(a)location.href=a.href;});</script>\n";
    return html;
}

bool writeText(const fs::path& path, const std::string& utf8) {
    return writeFileAtomic(path.string(), utf8); // the pages are UTF-8
}

bool writePages(const Guide& guide, const fs::path& folder) {
    const int count = static_cast<int>(guide.steps.size());
    const std::string title = "Anleitung: " + guide.tourName;
    std::string index = head(title) + "<header><h1>" + htmlText(title) + "</h1><p>" +
                        htmlText(guide.date) + " · " + std::to_string(count) +
                        (count == 1 ? " Schritt" : " Schritte") +
                        "</p></header>\n<main>\n<nav><a href=\"alle.html\">Alle Schritte zum "
                        "Drucken</a></nav>\n<ol class=\"thumbs\">\n";
    std::string all = head(title) + "<header><h1>" + htmlText(title) + "</h1><p>" +
                      htmlText(guide.date) + "</p></header>\n<main>\n";
    std::string markdown = "# " + title + "\n\n" + guide.date + " · " + std::to_string(count) +
                           (count == 1 ? " Schritt" : " Schritte") + "\n";
    for (int n = 1; n <= count; ++n) {
        const GuideStep& step = guide.steps[static_cast<std::size_t>(n - 1)];
        index += "<li><a href=\"" + stepPage(n) + "\"><img src=\"" + htmlText(step.before) +
                 "\" alt=\"" + htmlText(altText(step, n)) + "\"><br>" + std::to_string(n) + ". " +
                 htmlText(altText(step, n)) + "</a></li>\n";
        all += "<section class=\"step\">\n" + stepBody(step, n, count) + "</section>\n";
        const std::string page = head("Schritt " + std::to_string(n) + " – " + title) + "<main>\n" +
                                 navigation(n, count) + "<section class=\"step\">\n" +
                                 stepBody(step, n, count) +
                                 "</section>\n</main>\n</body>\n</html>\n";
        if (!writeText(folder / stepPage(n), page)) {
            return false;
        }
        markdown += "\n## Schritt " + std::to_string(n) + ": " + altText(step, n) + "\n\n" +
                    step.address + "\n\n";
        for (const std::string* picture : {&step.before, &step.after}) {
            if (!picture->empty()) {
                markdown += "![" + altText(step, n) + "](" + *picture + ")\n\n";
            }
        }
        if (!step.words.empty()) {
            markdown += "Aktion: " + step.words + "\n";
        }
    }
    index += "</ol>\n</main>\n</body>\n</html>\n";
    all += "</main>\n</body>\n</html>\n";
    return writeText(folder / "index.html", index) && writeText(folder / "alle.html", all) &&
           writeText(folder / "anleitung.md", markdown);
}

// Copies the guide's pictures from the staging folder into the new guide
// (a guide written when a tour is halted is written again at its end).
bool copyPictures(const Guide& guide, const fs::path& from, const fs::path& to) {
    std::error_code error;
    for (const GuideStep& step : guide.steps) {
        for (const std::string* picture : {&step.before, &step.after}) {
            if (picture->empty()) {
                continue;
            }
            fs::copy_file(from / *picture, to / *picture, fs::copy_options::overwrite_existing,
                          error);
            if (error) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::string guideFolderFor(const std::string& tourFile) {
    const fs::path path(tourFile);
    return (path.parent_path() / (path.stem().string() + "_anleitung")).string();
}

bool writeGuide(const Guide& guide, const std::string& pictureFolder, const std::string& folder) {
    const fs::path target = fs::path(folder).lexically_normal();
    const fs::path parent = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string pattern = (parent / (target.filename().string() + ".neu-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    const fs::path fresh(pattern);
    std::error_code error;
    if (!writePages(guide, fresh) || !copyPictures(guide, pictureFolder, fresh)) {
        fs::remove_all(fresh, error);
        return false;
    }
    fs::permissions(fresh,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    error);
    // The old guide goes aside first, so the folder is never half written.
    const fs::path old = parent / (target.filename().string() + ".alt");
    fs::remove_all(old, error);
    const bool hadOld = fs::exists(target);
    if (hadOld) {
        fs::rename(target, old, error);
        if (error) {
            fs::remove_all(fresh, error);
            return false;
        }
    }
    fs::rename(fresh, target, error);
    if (error) {
        if (hadOld) {
            fs::rename(old, target, error);
        }
        fs::remove_all(fresh, error);
        return false;
    }
    fs::remove_all(old, error);
    return true;
}

} // namespace rovanta
