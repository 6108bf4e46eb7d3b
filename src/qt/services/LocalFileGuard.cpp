#include "qt/services/LocalFileGuard.h"

#include "qt/services/Logging.h"

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!info.requestUrl().isLocalFile()) {
        return;
    }
    bool shown = false; // a resource the page shows, not one a script reads
    switch (info.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeStylesheet:
    case QWebEngineUrlRequestInfo::ResourceTypeScript:
    case QWebEngineUrlRequestInfo::ResourceTypeImage:
    case QWebEngineUrlRequestInfo::ResourceTypeFontResource:
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
    case QWebEngineUrlRequestInfo::ResourceTypeFavicon:
        shown = true;
        break;
    default:
        break;
    }
    const QUrl from = info.initiator();
    const bool fromElsewhere = from.isValid() && !from.isEmpty() &&
                               from.scheme() != QLatin1String("file") &&
                               info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame;
    if (!shown || fromElsewhere) {
        qCInfo(lcBrowser) << "Blocked" << info.requestUrl().toString() << "type"
                          << static_cast<int>(info.resourceType());
        info.block(true);
    }
}
