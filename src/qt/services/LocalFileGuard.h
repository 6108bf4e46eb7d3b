// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Keeps local files the user's while local pages keep their frames, links,
// pictures, style sheets, scripts and media. Local documents are sent to an
// origin of their own (see LocalPages.h) and pictures and media to their
// file: address, so no page's script reads another file through a frame or
// a canvas. Every request for a local file that a script makes (fetch,
// XMLHttpRequest, workers, pings) is stopped, as are scripts and style sheets
// that are some other kind of file, and every request for a local file from
// a page that is not local itself.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
