#include "qt/services/LocalFileGuard.h"

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

// Whether a page may load the local file as this kind of resource. Local
// files are one origin for each other, so a page's script could read what
// a frame, a script or a style sheet brought in: those must be what they
// claim to be (a page, a script, a style sheet), never any other file.
// Pictures, fonts and media that are not what they claim fail to decode
// and give nothing away.
bool mayShow(Info::ResourceType type, const QString& path) {
    switch (type) {
    case Info::ResourceTypeMainFrame:
    case Info::ResourceTypeImage:
    case Info::ResourceTypeFontResource:
    case Info::ResourceTypeMedia:
    case Info::ResourceTypeFavicon:
        return true;
    case Info::ResourceTypeSubFrame:
    case Info::ResourceTypeObject:
        return endsWithAny(path, {".html", ".htm", ".xhtml", ".shtml"});
    case Info::ResourceTypeScript:
        return endsWithAny(path, {".js", ".mjs"});
    case Info::ResourceTypeStylesheet:
        return endsWithAny(path, {".css"});
    default:
        return false; // fetch, XMLHttpRequest, workers, pings, prefetches
    }
}

} // namespace

void LocalFileGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (!info.requestUrl().isLocalFile()) {
        return;
    }
    const Info::ResourceType type = info.resourceType();
    const QUrl from = info.initiator();
    const bool fromElsewhere = from.isValid() && !from.isEmpty() &&
                               from.scheme() != QLatin1String("file") &&
                               type != Info::ResourceTypeMainFrame;
    if (fromElsewhere || !mayShow(type, info.requestUrl().toLocalFile())) {
        qCInfo(lcBrowser) << "Blocked" << info.requestUrl().toString() << "type"
                          << static_cast<int>(type);
        info.block(true);
    }
}
