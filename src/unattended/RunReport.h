// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rovanta {

// The played steps of a run, written as a JUnit report: one test case per
// step, a failure element for a step whose page was never ready.
class RunReport {
public:
    struct Step {
        int entry = 0; // 1-based entry number
        std::string hint;
        std::string address;
        std::string action;                  // the entry's position and action text
        std::int64_t startMs = 0;            // when the step took up the entry
        std::optional<std::int64_t> readyMs; // when its page was ready
        std::optional<std::int64_t> endMs;   // when the step ended
        std::string failure;                 // why it failed; empty when it did not
        std::string picture;                 // a picture of the step (--screenshots), or empty
    };

    explicit RunReport(std::string suiteName) : m_suite(std::move(suiteName)) {}

    // The step for entry, begun at nowMs unless it is the one already open.
    Step& open(int entry, const std::string& address, std::int64_t nowMs);
    // The step taken up last, or nullptr before the first.
    Step* current() { return m_steps.empty() ? nullptr : &m_steps.back(); }
    const std::vector<Step>& steps() const { return m_steps; }

    // The report as JUnit XML; open steps count up to nowMs.
    std::string junitXml(std::int64_t nowMs) const;

private:
    std::string m_suite;
    std::vector<Step> m_steps;
};

// Text with the five XML special characters escaped, for attributes too;
// control characters other than tab, CR and LF become blanks.
std::string xmlEscape(const std::string& text);

} // namespace rovanta
