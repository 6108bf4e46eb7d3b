// SPDX-License-Identifier: GPL-3.0-or-later
#include "unattended/UnattendedMessages.h"

#include "player/ActionInterpreter.h"

namespace rovanta {

namespace {

// The questions before a tour's file tokens: a web tour's, a foreign tour's.
bool isLocalFilesQuestion(const std::string& text) {
    return text == ActionInterpreter::kLocalFilesQuestion ||
           text.rfind(ActionInterpreter::kForeignTourQuestion, 0) == 0;
}

} // namespace

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
        answer = m_allowLocalFiles && isLocalFilesQuestion(message.text) ? MessageResult::Yes
                                                                          : MessageResult::No;
        said = answer == MessageResult::Yes ? " [Ja]" : " [Nein]";
        break;
    }
    m_out << message.title << ": " << message.text << said << std::endl;
    return answer;
}

} // namespace rovanta
