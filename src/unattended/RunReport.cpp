// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/RunReport.h"

#include <cstdio>
#include <map>

namespace rovanta {
namespace {

std::string seconds(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(ms) / 1000.0);
    return text;
}

std::string property(const char* name, const std::string& value) {
    return std::string("        <property name=\"") + name + "\" value=\"" + xmlEscape(value) +
           "\"/>\n";
}

} // namespace

std::string xmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        default:
            out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        }
    }
    return out;
}

RunReport::Step& RunReport::open(int entry, const std::string& address, std::int64_t nowMs) {
    if (m_steps.empty() || m_steps.back().entry != entry || m_steps.back().endMs) {
        Step step;
        step.entry = entry;
        step.address = address;
        step.startMs = nowMs;
        m_steps.push_back(std::move(step));
    }
    return m_steps.back();
}

std::string RunReport::junitXml(std::int64_t nowMs) const {
    std::int64_t total = 0;
    int failures = 0;
    std::string cases;
    std::map<int, int> runs; // how often each entry has played so far
    for (const Step& s : m_steps) {
        const std::int64_t took = s.endMs.value_or(nowMs) - s.startMs;
        total += took;
        std::string name = "Eintrag " + std::to_string(s.entry);
        if (!s.hint.empty()) {
            name += ": " + s.hint;
        }
        // A loop plays an entry again; each run is a test case of its own name.
        if (const int run = ++runs[s.entry]; run > 1) {
            name += " (" + std::to_string(run) + ". Durchlauf)";
        }
        cases += "    <testcase classname=\"" + xmlEscape(m_suite) + "\" name=\"" +
                 xmlEscape(name) + "\" time=\"" + seconds(took) + "\">\n";
        cases +=
            "      <properties>\n" + property("address", s.address) + property("action", s.action);
        if (s.readyMs) {
            cases += property("ready_after", seconds(*s.readyMs - s.startMs));
        }
        cases += "      </properties>\n";
        if (!s.failure.empty()) {
            ++failures;
            cases += "      <failure type=\"timeout\" message=\"" + xmlEscape(s.failure) + "\"/>\n";
        }
        if (!s.picture.empty()) {
            // The form in which CI servers attach a file to a test case.
            cases += "      <system-out>[[ATTACHMENT|" + xmlEscape(s.picture) + "]]</system-out>\n";
        }
        cases += "    </testcase>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites>\n  <testsuite name=\"" +
           xmlEscape(m_suite) + "\" tests=\"" + std::to_string(m_steps.size()) + "\" failures=\"" +
           std::to_string(failures) + "\" errors=\"0\" time=\"" + seconds(total) + "\">\n" + cases +
           "  </testsuite>\n</testsuites>\n";
}

} // namespace rovanta
