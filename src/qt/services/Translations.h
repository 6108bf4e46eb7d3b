// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Loads Qt's own German texts (dialogs, their buttons, the text boxes'
// context menus, the browser's menus), so that they match the window's
// German; the locale becomes German too. False when a catalogue is missing.
bool installGermanTranslations(QCoreApplication& app);
