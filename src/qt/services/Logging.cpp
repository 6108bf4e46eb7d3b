// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/Logging.h"

Q_LOGGING_CATEGORY(lcBrowser, "rovanta.browser", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUi, "rovanta.ui", QtWarningMsg)
Q_LOGGING_CATEGORY(lcInput, "rovanta.input", QtWarningMsg)
