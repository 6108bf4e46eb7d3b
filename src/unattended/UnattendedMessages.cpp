#include "unattended/UnattendedMessages.h"

#include "player/ActionInterpreter.h"

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
        answer = m_allowLocalFiles && message.text == ActionInterpreter::kLocalFilesQuestion
                     ? MessageResult::Yes
                     : MessageResult::No;
        said = answer == MessageResult::Yes ? " [Ja]" : " [Nein]";
        break;
    }
    m_out << message.title << ": " << message.text << said << std::endl;
    return answer;
}

} // namespace rovanta
