#pragma once

#include <string>

namespace rovanta {

class MainForm;

// The buttons and the token list that append action tokens to the action
// editor box txtKeyPressed.
class ActionEditor {
public:
    // The buttons of the editor frame.
    enum class TokenButton {
        CmdBlA,     // "[" appends "["
        CmdBlE,     // "]" appends "]"
        CmdBlIn,    // "[Enf_BL]" appends "~V"
        CmdEnter,   // "[Enter]" appends "~E"
        CmdTab,     // "[TAB]" appends "~T"
        CmdField,   // "Flx" appends "~F1"
        CmdClearTxt // "C" empties the box
    };

    // The items of the drop-down list cmdStz, in order.
    static constexpr const char* kListItems[] = {
        "-", "^A", "^C", "^V", "Load:", "Save:", "LDir:", "GoTo:", "Quit!"};

    explicit ActionEditor(MainForm& form);

    // A click of one of the token buttons.
    void press(TokenButton button);
    // A choice in the drop-down list; the item stays shown.
    void choose(const std::string& item);
    // The token a list item appends (empty for "-" and unknown items).
    static std::string tokenOf(const std::string& item);

private:
    void append(const std::string& token);

    MainForm& m_form;
};

} // namespace rovanta
