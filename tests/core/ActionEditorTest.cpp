// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ActionEditor.h"

#include "form/MainForm.h"

#include <gtest/gtest.h>

using namespace rovanta;
using Btn = ActionEditor::TokenButton;

TEST(ActionEditor, buttonsAppendTheirTokensAndCEmpties) {
    MainForm form;
    ActionEditor editor(form);
    form.state.txtKeyPressed = "abc";
    editor.press(Btn::CmdEnter);
    EXPECT_EQ(form.state.txtKeyPressed, "abc~E");
    editor.press(Btn::CmdClearTxt);
    editor.press(Btn::CmdBlA);
    form.state.txtKeyPressed += "hello";
    editor.press(Btn::CmdBlE);
    editor.press(Btn::CmdBlIn);
    editor.press(Btn::CmdTab);
    editor.press(Btn::CmdField);
    EXPECT_EQ(form.state.txtKeyPressed, "[hello]~V~T~F1");
}

TEST(ActionEditor, listItemsAppendTheirTemplatesAndStayShown) {
    MainForm form;
    ActionEditor editor(form);
    editor.choose("Save:");
    editor.choose("Save:");
    EXPECT_EQ(form.state.txtKeyPressed, "~S:(default.txt|0)~S:(default.txt|0)");
    EXPECT_EQ(form.state.cmdStzText, "Save:");
    editor.choose("-");
    EXPECT_EQ(form.state.txtKeyPressed, "~S:(default.txt|0)~S:(default.txt|0)");
    form.state.txtKeyPressed.clear();
    for (const char* item : ActionEditor::kListItems) {
        editor.choose(item);
    }
    EXPECT_EQ(form.state.txtKeyPressed,
              "~A~C~V~L:(input.txt)~S:(default.txt|0)~D:(/tmp|*.txt)~G:2~Q");
}
