// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Browser events; enable with QT_LOGGING_RULES="rovanta.browser.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcBrowser)

// Messages shown to the user; enable with QT_LOGGING_RULES="rovanta.ui.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcUi)

// Each key sent to the page; enable with QT_LOGGING_RULES="rovanta.input.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcInput)
