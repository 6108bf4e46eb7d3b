// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a call in the event loop, so an
// unattended run that is stopped can still write its report.
class SignalNotifier : public QObject {
public:
    explicit SignalNotifier(std::function<void(int signal)> handler, QObject* parent = nullptr);
    ~SignalNotifier() override;

private:
    std::function<void(int)> m_handler;
    QSocketNotifier* m_notifier = nullptr;
};
