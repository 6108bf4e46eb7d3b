// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TourEditor.h"

#include "form/MainForm.h"
#include "platform/Browser.h"
#include "platform/MessageBox.h"
#include "tour/PositionEntry.h"
#include "tour/Tour.h"
#include "tour/UrlEntry.h"

#include <cmath>

namespace rovanta {

TourEditor::TourEditor(Tour& tour, MainForm& form, Browser& browser, MessageBox& messages)
    : m_tour(tour), m_form(form), m_browser(browser), m_messages(messages) {
    m_tour.lists().setSelectionHandler([this](int index) { showSelected(index); });
}

void TourEditor::clearEditingFields() {
    m_form.state.txtKeyPressed.clear();
    m_form.state.txtHnw = "?";
    m_tour.setLastPoint(0, 0);
    m_form.state.lblPos = "P:";
}

void TourEditor::addOrReplace() {
    m_form.state.recordingKeys = false; // the entry takes what was recorded
    if (m_tour.addCount() >= Tour::kMaxAppends) {
        m_messages.show({kAppendLimit, "Kelmio", MessageIcon::Error, MessageButtons::Ok});
    } else {
        const TourEntry entry{
            m_form.state.holdUrlChecked ? std::string(kHoldMarker) : m_form.state.txtURL,
            makePositionEntry(m_tour.lastX(), m_tour.lastY(), m_form.state.txtKeyPressed),
            m_form.state.txtHnw};
        TourLists& lists = m_tour.lists();
        const int selected = lists.selectedUrl();
        if (selected < 0) {
            if (lists.append(entry)) {
                m_tour.setAddCount(static_cast<std::int16_t>(m_tour.addCount() + 1));
            }
        } else {
            lists.replace(selected, entry);
        }
    }
    clearEditingFields();
    m_form.changed();
}

void TourEditor::showSelected(int index) {
    if (m_scriptAction) {
        return;
    }
    TourLists& lists = m_tour.lists();
    if (index < 0 || index >= lists.count()) {
        return; // nothing selected: nothing to show
    }
    m_form.state.cmdEditChecked = true;
    const std::string target = resolveUrlEntry(lists.url(index), m_form.startDir);
    // The row of the entry the player has just played is only shown when the
    // player selects it: the browser already holds that page, and loading it
    // again would throw away what the entry's click and action text did there.
    // A user's click on that row still loads it.
    const bool justPlayed = index == m_tour.table().playedRow();
    if (target != kHoldMarker && !justPlayed) {
        m_browser.navigate(target);
    }
    m_form.state.txtURL = target;
    m_form.state.txtHnw = lists.comment(index);
    const PositionEntry position = readPositionEntry(lists.position(index));
    m_form.state.txtKeyPressed = position.keys;
    m_form.state.lblPos = "P: " + formatSingle(position.x) + "/" + formatSingle(position.y);
    // Rounded to whole numbers, halves to the even one.
    m_tour.setLastPoint(std::nearbyint(position.x), std::nearbyint(position.y));
    lists.select(TourList::Comments, index);
    lists.select(TourList::Positions, index);
    m_form.changed();
}

void TourEditor::doubleClick() {
    if (!m_form.state.cmdEditChecked) {
        m_form.state.cmdEditChecked = true;
        m_form.changed();
    }
}

void TourEditor::leaveEditMode() {
    if (!m_form.state.cmdEditChecked || m_scriptAction) {
        return;
    }
    m_scriptAction = true;
    m_tour.lists().resetSelection();
    m_form.state.txtURL = m_browser.locationUrl();
    m_form.state.txtHnw = "?";
    m_form.state.txtKeyPressed.clear();
    m_form.state.cmdEditChecked = false;
    m_scriptAction = false;
    m_form.changed();
}

void TourEditor::deleteSelected() {
    m_tour.lists().remove(m_tour.lists().selectedUrl());
    m_form.state.txtKeyPressed.clear();
    m_form.state.txtHnw.clear();
    m_form.state.holdUrlChecked = false;
    m_form.changed();
}

void TourEditor::deleteAll() {
    m_tour.lists().clear();
    m_tour.setAddCount(0);
    m_form.state.txtKeyPressed.clear();
    m_form.state.txtHnw.clear();
    m_form.state.holdUrlChecked = false;
    m_form.changed();
}

} // namespace rovanta
