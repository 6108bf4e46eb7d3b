#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Lets pages show local files (frames, pictures, style sheets, scripts,
// media) but stops every request for a local file that a script makes
// (fetch, XMLHttpRequest, workers, pings), frames, scripts and style sheets
// that are some other kind of file, and every request for a local file from
// a page that is not local itself.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
