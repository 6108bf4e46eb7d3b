// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Local pages are shown under an address scheme of their own,
// "rovanta-local://KEY/path", where KEY is worked out from the file's path.
// Every local page is thus an origin of its own: a page's script cannot read
// the document of a frame showing another local file, while links and frame
// targets keep working. Addresses leave the browser as file: URLs again.
namespace localpages {

// The scheme's name.
inline constexpr char kScheme[] = "rovanta-local";

// Makes the scheme known to the web engine; call before the application object exists.
void registerScheme();
// Whether the address is a local file, as file: URL or on the scheme.
bool isLocal(const QUrl& url);
// The local file an address names (empty for other addresses).
QString filePath(const QUrl& url);
// The address a local document is shown under, query and fragment kept.
QUrl pageUrl(const QUrl& local);
// Where the engine loads a document: a local file at its page address, a
// folder at its file: address (for the engine's listing), others unchanged.
QUrl documentUrl(const QUrl& url);
// The file: URL of a local address; other addresses come back unchanged.
QUrl fileUrl(const QUrl& url);

} // namespace localpages

// Serves the files behind the scheme's addresses, whatever the key says;
// LocalFileGuard sends each document to the address of its own origin first.
class LocalPageHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override;
};
