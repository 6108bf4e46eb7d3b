// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/LocalFileGuard.h"

#include "qt/services/LocalPages.h"
#include "qt/services/Logging.h"

namespace {

using Info = QWebEngineUrlRequestInfo;

// True when the file's name ends with one of the endings.
bool endsWithAny(const QString& path, std::initializer_list<const char*> endings) {
    for (const char* ending : endings) {
        if (path.endsWith(QLatin1String(ending), Qt::CaseInsensitive)) {
            return true;
        }
    }
    return false;
}

// Whether a page may load the local file as this kind of resource. A script
// or a style sheet runs in the page's own origin, so it must be what it
// claims to be, never any other file; documents, pictures and media are
// shown from an origin of their own and give the page's script nothing.
bool mayShow(Info::ResourceType type, const QString& path) {
    switch (type) {
    case Info::ResourceTypeMainFrame:
    case Info::ResourceTypeSubFrame:
    case Info::ResourceTypeObject:
    case Info::ResourceTypeImage:
    case Info::ResourceTypeFontResource:
    case Info::ResourceTypeMedia:
    case Info::ResourceTypeFavicon:
        return true;
    case Info::ResourceTypeScript:
        return endsWithAny(path, {".js", ".mjs"});
    case Info::ResourceTypeStylesheet:
        return endsWithAny(path, {".css"});
    default:
        return false; // fetch, XMLHttpRequest, workers, pings, prefetches
    }
}

// Documents: each is shown from the origin its own path names.
bool isDocument(Info::ResourceType type) {
    return type == Info::ResourceTypeMainFrame || type == Info::ResourceTypeSubFrame ||
           type == Info::ResourceTypeObject;
}

// Pictures and media load from file:, an origin no page has, so a canvas
// they are drawn on can no longer be read back.
bool isPixels(Info::ResourceType type) {
    return type == Info::ResourceTypeImage || type == Info::ResourceTypeMedia ||
           type == Info::ResourceTypeFavicon;
}

} // namespace

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (!localpages::isLocal(url)) {
        return;
    }
    const Info::ResourceType type = info.resourceType();
    const QUrl from = info.initiator();
    const bool fromElsewhere = from.isValid() && !from.isEmpty() && !localpages::isLocal(from) &&
                               type != Info::ResourceTypeMainFrame;
    const QString path = localpages::filePath(url);
    if (fromElsewhere || !mayShow(type, path)) {
        qCInfo(lcBrowser) << "Blocked" << url.toString() << "type" << static_cast<int>(type);
        info.block(true);
        return;
    }
    if (isDocument(type)) {
        const QUrl own = localpages::documentUrl(url);
        if (url.scheme() != own.scheme() || url.host() != own.host()) {
            info.redirect(own);
        }
    } else if (isPixels(type) && !url.isLocalFile()) {
        info.redirect(localpages::fileUrl(url));
    }
}
