// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtInternetTransfer.h"

#include "util/Cp1252.h"
#include "util/PathHelpers.h"
#include "util/TextFile.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QProgressDialog>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

namespace {

// The charset named in a Content-Type header, empty when none is.
QByteArray charsetOf(const QByteArray& contentType) {
    for (const QByteArray& part : contentType.split(';')) {
        const QByteArray p = part.trimmed();
        if (p.toLower().startsWith("charset=")) {
            return p.mid(8).trimmed().replace("\"", "");
        }
    }
    return {};
}

std::string decode(const QByteArray& body, const QByteArray& charset) {
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid()) {
            return QString(decoder.decode(body)).toStdString();
        }
    }
    return rovanta::cp1252ToUtf8(std::string_view(body.constData(), body.size()));
}

} // namespace

QtInternetTransfer::QtInternetTransfer(QWidget* parent, int timeoutMs)
    : m_parent(parent), m_timeoutMs(timeoutMs) {}

std::optional<std::string> QtInternetTransfer::fetchText(const std::string& address) {
    const QString text = QString::fromStdString(address);
    const bool web = text.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
                     text.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
    if (!web) {
        // A local path (or file: address) is read as a Windows-1252 file.
        const QUrl url(text);
        const std::string path =
            url.isLocalFile() ? url.toLocalFile().toStdString() : rovanta::toLocalPath(address);
        const auto bytes = rovanta::readFileBytes(path);
        if (!bytes) {
            return std::nullopt;
        }
        return rovanta::cp1252ToUtf8(*bytes);
    }

    QNetworkRequest request{QUrl(text)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = m_manager.get(request);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QProgressDialog progress(QStringLiteral("Lade ") + text, QStringLiteral("Abbrechen"), 0, 0,
                             m_parent);
    progress.setWindowTitle(QStringLiteral("Rovanta"));
    progress.setMinimumDuration(500);
    progress.setWindowModality(Qt::WindowModal);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timeout, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(&progress, &QProgressDialog::canceled, reply, &QNetworkReply::abort);
    timeout.start(m_timeoutMs);
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (!reply->isFinished()) {
        // The program is quitting (which ends every event loop): the text
        // never arrived, and an empty answer must not pass for a tour.
        reply->abort();
    }
    timeout.stop();
    progress.reset();

    std::optional<std::string> result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status < 400) {
        result = decode(reply->readAll(),
                        charsetOf(reply->header(QNetworkRequest::ContentTypeHeader).toByteArray()));
    }
    reply->deleteLater();
    return result;
}
