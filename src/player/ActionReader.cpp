// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionReader.h"

#include <cstring>

namespace rovanta {

std::optional<ActionStep> ActionReader::next() {
    if (m_i >= m_text.size()) {
        return std::nullopt;
    }
    ActionStep step;
    step.pos = m_i;
    step.ch = m_text[m_i++];
    // "[" and "]" count inside and outside brackets; "~" only outside.
    if (step.ch == '[') {
        m_inBrackets = true;
        m_buffer.clear();
        step.kind = ActionStep::Kind::Open;
    } else if (step.ch == ']') {
        m_inBrackets = false;
        step.kind = ActionStep::Kind::Close;
        step.text = m_buffer; // the last bracketed text, also for a stray "]"
    } else if (m_inBrackets) {
        m_buffer.push_back(step.ch);
        step.kind = ActionStep::Kind::Bracketed;
    } else if (step.ch != '~') {
        step.kind = ActionStep::Kind::Key;
    } else if (m_i >= m_text.size()) {
        step.kind = ActionStep::Kind::Dangling;
    } else {
        step = token(step.pos);
    }
    return step;
}

ActionStep ActionReader::token(std::size_t at) {
    using Kind = ActionStep::Kind;
    ActionStep step;
    step.pos = at;
    step.ch = m_text[m_i++];
    switch (step.ch) {
    case 'T':
        step.kind = Kind::Tab;
        break;
    case 'E':
        step.kind = Kind::Enter;
        break;
    case 'V':
        step.kind = Kind::Paste;
        break;
    case 'A':
        step.kind = Kind::SelectAll;
        break;
    case 'C':
        step.kind = Kind::Copy;
        break;
    case 'Q':
        step.kind = Kind::Quit;
        break;
    case 'F':
        step.kind = Kind::Field;
        step.digit = digit();
        break;
    case 'L':
        step.kind = Kind::Load;
        step.wellFormed = expect(":(");
        step.text = upTo(')', step.closed);
        break;
    case 'S':
        step.kind = Kind::Save;
        step.wellFormed = expect(":(");
        step.text = upTo('|', step.closed);
        step.digit = digit();
        step.tail = expect(")");
        break;
    case 'D': {
        step.kind = Kind::List;
        step.wellFormed = expect(":(");
        // Folder and pattern are split at the first "|"; every "|" is dropped.
        const std::string listing = upTo(')', step.closed);
        const std::size_t bar = listing.find('|');
        for (std::size_t k = 0; k < listing.size(); ++k) {
            if (listing[k] != '|') {
                (bar != std::string::npos && k > bar ? step.pattern : step.text).push_back(listing[k]);
            }
        }
        break;
    }
    case 'G':
        step.kind = Kind::GoTo;
        step.wellFormed = expect(":");
        step.digit = digit();
        break;
    default:
        step.kind = Kind::Unknown;
        break;
    }
    return step;
}

bool ActionReader::expect(const char* fixed) {
    const std::size_t length = std::strlen(fixed);
    const bool same = m_text.compare(m_i, length, fixed) == 0;
    m_i = std::min(m_i + length, m_text.size());
    return same;
}

std::string ActionReader::upTo(char stop, bool& closed) {
    const std::size_t end = m_text.find(stop, m_i);
    closed = end != std::string::npos;
    std::string collected = m_text.substr(m_i, closed ? end - m_i : std::string::npos);
    m_i = closed ? end + 1 : m_text.size();
    return collected;
}

int ActionReader::digit() {
    if (m_i >= m_text.size()) {
        return -1;
    }
    const char c = m_text[m_i++];
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace rovanta
