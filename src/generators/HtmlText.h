// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace rovanta {

// Text for HTML content or a quoted attribute value: & < > " ' become
// entities; everything else stays as it is.
std::string htmlText(std::string_view text);

// Text for an unquoted attribute value: as htmlText, and a blank becomes %20
// so the value does not end early.
std::string htmlUnquotedValue(std::string_view text);

} // namespace rovanta
