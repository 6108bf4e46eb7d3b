// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/BrowserPage.h"

#include "qt/services/LocalPages.h"

#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

// The mark that starts a frame's report on the console.
const QString kFrameComplete = QStringLiteral("\u0001rovanta-frame-complete ");
// The mark that starts the main document's report that it was drawn.
const QString kShown = QStringLiteral("\u0001rovanta-shown ");

// Runs in every frame but the top one, in a world of its own, and reports
// the frame's load event on the console.
QWebEngineScript frameReporter() {
    QWebEngineScript script;
    script.setName(QStringLiteral("rovanta-frame-reporter"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(
        QStringLiteral("if (window !== window.top) { window.addEventListener('load', function () {"
                       " console.debug(%1 + location.href); }); }")
            .arg(QStringLiteral("'\\u0001rovanta-frame-complete '")));
    return script;
}

} // namespace

BrowserPage::BrowserPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent) {
    scripts().insert(frameReporter());
}

void BrowserPage::reportWhenShown(int ticket) {
    // A callback of the second animation frame runs once the first frame
    // after the request has been drawn and handed on to the compositor.
    runJavaScript(QStringLiteral("requestAnimationFrame(function () {"
                                 " requestAnimationFrame(function () {"
                                 " console.debug('\\u0001rovanta-shown %1'); }); });")
                      .arg(ticket),
                  QWebEngineScript::ApplicationWorld);
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isMainFrame) {
        m_framesLoading.clear(); // a new document: its frames load anew
        emit mainFrameNavigation(url);
    } else {
        // A local frame is asked for twice (its file: address, then the
        // address of its own origin): it starts loading once.
        const QUrl address = localpages::fileUrl(url);
        const QUrl document = address.adjusted(QUrl::RemoveFragment);
        if (!m_framesLoading.contains(document)) {
            m_framesLoading.insert(document);
            emit frameLoadStarted(address);
        }
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int line,
                                           const QString& source) {
    if (message.startsWith(kShown)) {
        emit shown(message.mid(kShown.size()).toInt());
        return;
    }
    if (!message.startsWith(kFrameComplete)) {
        QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
        return;
    }
    const QUrl address = localpages::fileUrl(QUrl(message.mid(kFrameComplete.size())));
    if (m_framesLoading.remove(address.adjusted(QUrl::RemoveFragment))) {
        emit frameDocumentComplete(address);
    }
}
