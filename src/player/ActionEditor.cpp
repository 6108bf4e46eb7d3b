#include "player/ActionEditor.h"

#include "app/MainForm.h"

namespace rovanta {

ActionEditor::ActionEditor(MainForm& form) : m_form(form) {}

void ActionEditor::append(const std::string& token) {
    m_form.state.txtKeyPressed += token;
    m_form.changed();
}

void ActionEditor::press(TokenButton button) {
    switch (button) {
    case TokenButton::CmdBlA:
        append("[");
        break;
    case TokenButton::CmdBlE:
        append("]");
        break;
    case TokenButton::CmdBlIn:
        append("~V");
        break;
    case TokenButton::CmdEnter:
        append("~E");
        break;
    case TokenButton::CmdTab:
        append("~T");
        break;
    case TokenButton::CmdField:
        append("~F1");
        break;
    case TokenButton::CmdClearTxt:
        m_form.state.txtKeyPressed.clear();
        m_form.changed();
        break;
    }
}

std::string ActionEditor::tokenOf(const std::string& item) {
    if (item == "^A") {
        return "~A";
    }
    if (item == "^C") {
        return "~C";
    }
    if (item == "^V") {
        return "~V";
    }
    if (item == "Load:") {
        return "~L:(input.txt)";
    }
    if (item == "Save:") {
        return "~S:(default.txt|0)";
    }
    if (item == "LDir:") {
        return "~D:(/tmp|*.txt)"; // the temporary folder of this system
    }
    if (item == "GoTo:") {
        return "~G:2";
    }
    if (item == "Quit!") {
        return "~Q";
    }
    return {};
}

void ActionEditor::choose(const std::string& item) {
    m_form.state.cmdStzText = item;
    append(tokenOf(item));
}

} // namespace rovanta
