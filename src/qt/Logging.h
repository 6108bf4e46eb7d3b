#pragma once

#include <QLoggingCategory>

// Browser events; enable with QT_LOGGING_RULES="rovanta.browser.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcBrowser)
