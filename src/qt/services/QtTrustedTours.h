// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TrustedTours.h"

#include <QSet>
#include <QString>

// The trusted tour texts as SHA-256 hashes, one a line, in the file
// "trusted-tours" of the user's state folder ($XDG_STATE_HOME/rovanta).
class QtTrustedTours : public rovanta::TrustedTours {
public:
    // The store in the user's state folder.
    QtTrustedTours();
    // The store in the given file (for tests).
    explicit QtTrustedTours(QString file);

    bool isTrusted(const std::string& tourText) const override;
    void trust(const std::string& tourText) override;

private:
    void read() const;

    QString m_file;
    mutable QSet<QByteArray> m_hashes;
    mutable bool m_read = false;
};
