// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/WebEngineBrowser.h"

#include "qt/services/BrowserPage.h"
#include "qt/services/CaptureOverlay.h"
#include "qt/services/LocalFileGuard.h"
#include "qt/services/LocalPages.h"
#include "qt/services/Logging.h"

#include <QEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QWidget>

namespace {

// A text as a JavaScript string literal (JSON-encoded, never spliced raw).
QString jsString(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

// The address to load: a local page goes straight to the origin of its own.
QUrl toUrl(const std::string& address) {
    const QString text = QString::fromStdString(address);
    return localpages::documentUrl(text.startsWith('/') ? QUrl::fromLocalFile(text)
                                                        : QUrl::fromUserInput(text));
}

// Whether the engine moves to target within the shown document instead of
// loading it: the same document with another fragment. The very same
// address is loaded again, as a reload.
bool withinDocument(const QUrl& shown, const QUrl& target) {
    return target.hasFragment() && target != shown &&
           target.adjusted(QUrl::RemoveFragment) == shown.adjusted(QUrl::RemoveFragment);
}

// The longest wait for a loaded page to draw its frames, in ms.
constexpr int kShownWait = 1000;
// The longest wait, once drawn, for the frame to reach the view, in ms: a
// page that changes nothing more sends no further frame.
constexpr int kPaintWait = 150;

} // namespace

WebEngineBrowser::WebEngineBrowser(QWebEngineView* view)
    : QObject(view), m_view(view),
      m_page(new BrowserPage(QWebEngineProfile::defaultProfile(), view)),
      m_overlay(new CaptureOverlay(view)) {
    m_view->setPage(m_page);
    // Local pages keep their frames, links and pictures, but no script of a
    // page reads a local file, and remote pages never reach local files.
    // (Turning off LocalContentCanAccessFileUrls would also stop the frames
    // and pictures of local pages, which frame sites and slide shows need.)
    m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    m_view->page()->setUrlRequestInterceptor(new LocalFileGuard(this));
    QWebEngineProfile* profile = m_view->page()->profile();
    if (profile->urlSchemeHandler(localpages::kScheme) == nullptr) {
        profile->installUrlSchemeHandler(localpages::kScheme, new LocalPageHandler(profile));
    }
    connect(m_view, &QWebEngineView::loadStarted, this, &WebEngineBrowser::onLoadStarted);
    connect(m_view, &QWebEngineView::loadFinished, this, &WebEngineBrowser::onLoadFinished);
    connect(m_view, &QWebEngineView::urlChanged, this, &WebEngineBrowser::onUrlChanged);
    connect(m_page, &BrowserPage::mainFrameNavigation, this,
            [this] { m_awaitingNavigation = false; });
    connect(m_page, &BrowserPage::frameLoadStarted, this, &WebEngineBrowser::onFrameLoadStarted);
    connect(m_page, &BrowserPage::frameDocumentComplete, this,
            &WebEngineBrowser::onFrameDocumentComplete);
    connect(m_page, &BrowserPage::shown, this, &WebEngineBrowser::onShown);
    m_shownWait.setSingleShot(true);
    connect(&m_shownWait, &QTimer::timeout, this, [this] {
        qCInfo(lcBrowser) << (m_paintedBy ? "No paint of the drawn page" : "The page was not drawn")
                          << "in time";
        complete(m_shownOk);
    });
}

void WebEngineBrowser::navigate(const std::string& address) {
    const QUrl url = toUrl(address);
    m_readyState = kLoading;
    m_shownWait.stop();
    m_awaitingNavigation = true;
    m_sameDocumentTarget = withinDocument(m_view->url(), url) ? url : QUrl();
    m_view->setUrl(url);
}

void WebEngineBrowser::goBack() {
    m_view->back();
}

void WebEngineBrowser::goForward() {
    m_view->forward();
}

void WebEngineBrowser::refresh() {
    m_view->reload();
}

void WebEngineBrowser::stop() {
    m_view->stop();
}

std::string WebEngineBrowser::locationUrl() const {
    // Local pages are shown on a scheme of their own; the address is their file's.
    return localpages::fileUrl(m_view->url()).toString().toStdString();
}

int WebEngineBrowser::readyState() const {
    return m_readyState;
}

void WebEngineBrowser::readField(std::int16_t n, std::function<void(std::string)> done) {
    const QString script = QStringLiteral("(function(){var f=document.forms[0];if(!f)return '';"
                                          "var e=f.elements[%1];"
                                          "if(!e||e.value===undefined||e.value===null)return '';"
                                          "return String(e.value);})()")
                               .arg(n);
    m_view->page()->runJavaScript(script, [done = std::move(done)](const QVariant& result) {
        done(result.toString().toStdString());
    });
}

void WebEngineBrowser::writeField(std::int16_t n, const std::string& value) {
    const QString script =
        QStringLiteral("(function(){var f=document.forms[0];if(!f)return;"
                       "var e=f.elements[%1];if(!e||!('value' in e))return;"
                       "e.value=%2;"
                       "e.dispatchEvent(new Event('input',{bubbles:true}));"
                       "e.dispatchEvent(new Event('change',{bubbles:true}));})()")
            .arg(n)
            .arg(jsString(QString::fromStdString(value)));
    m_view->page()->runJavaScript(script);
}

void WebEngineBrowser::setFocus() {
    m_view->setFocus(Qt::OtherFocusReason);
}

void WebEngineBrowser::setCaptureMode(bool on) {
    m_overlay->setGeometry(m_view->geometry());
    m_overlay->setVisible(on);
    if (on) {
        m_overlay->raise();
    }
}

void WebEngineBrowser::setListener(rovanta::BrowserListener* listener) {
    m_listener = listener;
}

void WebEngineBrowser::onLoadStarted() {
    m_readyState = kLoading;
    m_shownWait.stop();
    m_awaitingNavigation = false;
    m_sameDocumentTarget.clear(); // a document is loaded after all
    qCInfo(lcBrowser) << "DownloadBegin";
    if (m_listener != nullptr) {
        m_listener->downloadBegin();
    }
}

void WebEngineBrowser::onLoadFinished(bool ok) {
    if (m_awaitingNavigation) {
        // The end of the load that navigate() replaced: the new address is
        // not loaded yet.
        qCInfo(lcBrowser) << "LoadFinished of the replaced page ignored";
        return;
    }
    completeWhenShown(ok);
}

void WebEngineBrowser::onUrlChanged(const QUrl& url) {
    if (m_readyState == kLoading) {
        if (!m_sameDocumentTarget.isEmpty() && url == m_sameDocumentTarget) {
            // A move within the document is complete once the address shows it.
            m_awaitingNavigation = false;
            m_sameDocumentTarget.clear();
            if (m_listener != nullptr) {
                m_listener->downloadBegin();
            }
            completeWhenShown(true);
        }
        return;
    }
    // Nothing is loading: the page moved within itself (a link to a
    // fragment, history.pushState); the address box follows.
    if (m_listener != nullptr) {
        m_listener->documentComplete(locationUrl());
    }
}

void WebEngineBrowser::onFrameLoadStarted(const QUrl& url) {
    qCInfo(lcBrowser) << "DownloadBegin (frame)" << url.toString();
    if (m_listener != nullptr) {
        m_listener->downloadBegin();
    }
}

void WebEngineBrowser::onFrameDocumentComplete(const QUrl& url) {
    qCInfo(lcBrowser) << "DocumentComplete (frame)" << url.toString();
    if (m_listener != nullptr) {
        m_listener->downloadComplete();
        m_listener->documentComplete(url.toString().toStdString());
    }
}

void WebEngineBrowser::completeWhenShown(bool ok) {
    // The engine reports a load finished before the page's frames have
    // reached the view (a new renderer shows white until then); the click,
    // the keys and a guide's picture all want the page as the user sees it.
    m_shownOk = ok;
    stopWatchingPaint();
    ++m_shownTicket;
    m_shownWait.start(kShownWait);
    m_page->reportWhenShown(m_shownTicket);
}

void WebEngineBrowser::onShown(int ticket) {
    if (ticket != m_shownTicket || !m_shownWait.isActive() || m_paintedBy) {
        return;
    }
    // The frames are drawn; they reach the view (the widget of the current
    // renderer, which a navigation may replace) with its next paint.
    QWidget* shownBy = m_view->focusProxy();
    if (shownBy == nullptr) {
        complete(m_shownOk);
        return;
    }
    m_paintedBy = shownBy;
    shownBy->installEventFilter(this);
    m_shownWait.start(kPaintWait);
}

void WebEngineBrowser::stopWatchingPaint() {
    if (m_paintedBy) {
        m_paintedBy->removeEventFilter(this);
    }
    m_paintedBy = nullptr;
}

bool WebEngineBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && m_paintedBy && watched == m_paintedBy) {
        stopWatchingPaint();
        // Completed once this paint is done, so the view holds the frame.
        QTimer::singleShot(0, this, [this, ticket = m_shownTicket] {
            if (ticket == m_shownTicket && m_shownWait.isActive()) {
                complete(m_shownOk);
            }
        });
    }
    return QObject::eventFilter(watched, event);
}

void WebEngineBrowser::complete(bool ok) {
    m_shownWait.stop();
    stopWatchingPaint();
    // A failed load shows an error page and counts as finished too.
    m_readyState = kComplete;
    const std::string url = locationUrl();
    qCInfo(lcBrowser) << "DocumentComplete" << QString::fromStdString(url) << "ok:" << ok;
    if (m_listener != nullptr) {
        m_listener->downloadComplete();
        m_listener->documentComplete(url);
    }
}
