// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace rovanta {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageResult { Ok, Cancel, Yes, No };

// One modal message.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    friend bool operator==(const Message&, const Message&) = default;
};

// Modal message boxes.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the message and returns the button the user chose.
    virtual MessageResult show(const Message& message) = 0;
};

} // namespace rovanta
