// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/UnattendedMessages.h"

namespace rovanta {

MessageResult UnattendedMessages::show(const Message& message) {
    MessageResult answer = MessageResult::Ok;
    const char* said = "";
    switch (message.buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        answer = MessageResult::Cancel;
        said = " [Abbrechen]";
        break;
    case MessageButtons::YesNo:
        // Among them the question before a tour's file tokens: nobody is
        // there to allow them (--allow-local-files allows them unasked).
        answer = MessageResult::No;
        said = " [Nein]";
        break;
    }
    m_out << message.title << ": " << message.text << said << std::endl;
    return answer;
}

} // namespace rovanta
