// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtTrustedTours.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QByteArray hashOf(const std::string& text) {
    return QCryptographicHash::hash(QByteArray::fromStdString(text), QCryptographicHash::Sha256)
        .toHex();
}

// $XDG_STATE_HOME/rovanta/trusted-tours, by default under ~/.local/state.
QString defaultFile() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/rovanta/trusted-tours");
}

} // namespace

QtTrustedTours::QtTrustedTours() : QtTrustedTours(defaultFile()) {}

QtTrustedTours::QtTrustedTours(QString file) : m_file(std::move(file)) {}

void QtTrustedTours::read() const {
    if (m_read) {
        return;
    }
    m_read = true;
    QFile file(m_file);
    if (!file.open(QIODevice::ReadOnly)) {
        return; // none trusted yet, or unreadable: every foreign tour asks
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.size() == 64) {
            m_hashes.insert(line);
        }
    }
}

bool QtTrustedTours::isTrusted(const std::string& tourText) const {
    read();
    return m_hashes.contains(hashOf(tourText));
}

void QtTrustedTours::trust(const std::string& tourText) {
    read();
    m_hashes.insert(hashOf(tourText));
    // The whole list is written anew, atomically; when the folder cannot be
    // written the tour is trusted for this run only.
    QDir().mkpath(QFileInfo(m_file).path());
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    for (const QByteArray& hash : std::as_const(m_hashes)) {
        file.write(hash + '\n');
    }
    file.commit();
}
