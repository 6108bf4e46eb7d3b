// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InternetTransfer.h"

#include <QNetworkAccessManager>

class QWidget;

// Fetches web documents with Qt Network, and local files directly. The call
// blocks the caller but not the window: it waits in a local event loop with
// a progress dialog that can cancel, and gives up after the time-out. A
// failure (error status, refusal, cancel, time-out) returns nothing.
class QtInternetTransfer : public rovanta::InternetTransfer {
public:
    explicit QtInternetTransfer(QWidget* parent, int timeoutMs = 30'000);
    std::optional<std::string> fetchText(const std::string& address) override;

private:
    QWidget* m_parent;
    int m_timeoutMs;
    QNetworkAccessManager m_manager;
};
