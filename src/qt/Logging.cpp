#include "qt/Logging.h"

Q_LOGGING_CATEGORY(lcBrowser, "rovanta.browser", QtWarningMsg)
