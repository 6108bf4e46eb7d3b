// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rovanta {

class Browser;
class MainForm;
class MessageBox;
class Tour;

// Adding, replacing, selecting and deleting tour entries, and edit mode.
class TourEditor {
public:
    static constexpr const char* kAppendLimit =
        "Es können KEINE weitere URLs zur Liste hinzugefügt werden!";

    // Installs itself as the URL list's selection handler.
    TourEditor(Tour& tour, MainForm& form, Browser& browser, MessageBox& messages);

    // "> URL zu Tour <": appends the entry being edited, or replaces the
    // selected one; the editing fields are cleared in every case.
    void addOrReplace();
    // Selection change of the URL list (by a click or by code): shows the
    // entry in the browser and the editing fields.
    void showSelected(int index);
    // Double-click on the URL list: edit mode on.
    void doubleClick();
    // "[no edit]": leaves edit mode without a selection.
    void leaveEditMode();
    // "Lösche Eintrag": deletes the selected entry.
    void deleteSelected();
    // "Lösche Tour": deletes all entries.
    void deleteAll();

    // While true, selection changes of the URL list do nothing.
    bool scriptAction() const { return m_scriptAction; }
    void setScriptAction(bool on) { m_scriptAction = on; }

private:
    void clearEditingFields();

    Tour& m_tour;
    MainForm& m_form;
    Browser& m_browser;
    MessageBox& m_messages;
    bool m_scriptAction = false;
};

} // namespace rovanta
