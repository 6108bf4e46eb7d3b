// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/LocalPages.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStringDecoder>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <algorithm>

namespace localpages {

namespace {

// The origin's name for a file: 16 hex digits of the SHA-1 of its path.
QString keyOf(const QString& path) {
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

// Copies query and fragment, the parts a file's path does not carry.
QUrl withExtras(QUrl url, const QUrl& from) {
    url.setQuery(from.query(QUrl::FullyEncoded), QUrl::StrictMode);
    url.setFragment(from.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

} // namespace

void registerScheme() {
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Like file: pages: remote pages cannot load them, they may show local files.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

bool isLocal(const QUrl& url) {
    // An initiator carries the scheme and key only, without a path.
    return url.isLocalFile() || url.scheme() == QLatin1String(kScheme);
}

QString filePath(const QUrl& url) {
    if (url.scheme() == QLatin1String(kScheme)) {
        return url.path(QUrl::FullyDecoded);
    }
    return url.isLocalFile() ? url.toLocalFile() : QString();
}

QUrl pageUrl(const QUrl& local) {
    const QString path = filePath(local);
    QUrl url;
    url.setScheme(QLatin1String(kScheme));
    url.setHost(keyOf(path));
    url.setPath(path, QUrl::DecodedMode);
    return withExtras(url, local);
}

QUrl documentUrl(const QUrl& url) {
    if (!isLocal(url) || QFileInfo(filePath(url)).isDir()) {
        return url;
    }
    return pageUrl(url);
}

QUrl fileUrl(const QUrl& url) {
    if (url.scheme() != QLatin1String(kScheme)) {
        return url;
    }
    return withExtras(QUrl::fromLocalFile(filePath(url)), url);
}

} // namespace localpages

namespace {

// The type a file is served as. The engine guesses the encoding of a file:
// page or text that names none, but not of pages served by a handler; so a
// page or text in UTF-8 that names no charset of its own is said to be UTF-8
// (the others keep the engine's default, as under file:).
QByteArray contentType(const QString& path, QFile& file) {
    const QByteArray type = QMimeDatabase().mimeTypeForFile(path).name().toUtf8();
    if (type != "text/html" && type != "text/plain") {
        return type;
    }
    const QByteArray head = file.peek(64 * 1024);
    const bool ascii = std::all_of(head.begin(), head.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii || head.left(1024).toLower().contains("charset")) {
        return type;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(head); // a sequence cut at the end waits in the decoder
    return utf8.hasError() ? type : type + "; charset=utf-8";
}

} // namespace

void LocalPageHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString path = localpages::filePath(job->requestUrl());
    auto* file = new QFile(path, job);
    // Only plain files: opening a named pipe would wait for a writer.
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly)) {
        job->fail(QFile::exists(path) ? QWebEngineUrlRequestJob::RequestDenied
                                      : QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(contentType(path, *file), file);
}
