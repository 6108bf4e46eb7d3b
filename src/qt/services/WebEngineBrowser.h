// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Browser.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class BrowserPage;
class CaptureOverlay;
class QWebEngineView;

// The Browser interface on a Qt WebEngine view (the real Chromium engine).
class WebEngineBrowser : public QObject, public rovanta::Browser {
    Q_OBJECT
public:
    // Drives the view; the view and the browser share the view's parent.
    explicit WebEngineBrowser(QWebEngineView* view);

    void navigate(const std::string& address) override;
    void goBack() override;
    void goForward() override;
    void refresh() override;
    void stop() override;
    std::string locationUrl() const override;
    int readyState() const override;
    void readField(std::int16_t n, std::function<void(std::string)> done) override;
    void writeField(std::int16_t n, const std::string& value) override;
    void setFocus() override;
    void setCaptureMode(bool on) override;
    void setListener(rovanta::BrowserListener* listener) override;

    // The widget that takes mouse presses while capture is on.
    CaptureOverlay& overlay() { return *m_overlay; }
    // The view the browser drives.
    QWebEngineView& view() { return *m_view; }

private:
    void onLoadStarted();
    void onLoadFinished(bool ok);
    void onUrlChanged(const QUrl& url);
    void onFrameLoadStarted(const QUrl& url);
    void onFrameDocumentComplete(const QUrl& url);
    // The document has loaded (or failed): it completes once it is shown.
    void completeWhenShown(bool ok);
    // The page has drawn its frames: it completes once the view has painted.
    void onShown(int ticket);
    // No paint of the view is awaited any more.
    void stopWatchingPaint();
    // The document has loaded and is shown: ready, and the listener is told.
    void complete(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWebEngineView* m_view;
    BrowserPage* m_page;
    CaptureOverlay* m_overlay;
    rovanta::BrowserListener* m_listener = nullptr;
    int m_readyState = rovanta::Browser::kComplete;
    // navigate() was called and the engine has not yet taken the navigation
    // up: a load that ends meanwhile is the one it replaced, not this one.
    bool m_awaitingNavigation = false;
    // The address of a navigation that only moves within the shown document
    // (another fragment): the engine loads nothing and reports only the
    // changed address, which completes it.
    QUrl m_sameDocumentTarget;
    // The loaded document waiting to be shown: its ticket (a newer load
    // makes an older report void), the load's outcome, the view's render
    // widget whose next paint is awaited once the frames are drawn, and the
    // longest wait (a page never drawn, in a hidden window, completes anyway).
    int m_shownTicket = 0;
    bool m_shownOk = true;
    QPointer<QWidget> m_paintedBy;
    QTimer m_shownWait;
};
