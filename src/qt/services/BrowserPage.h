// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QUrl>
#include <QWebEnginePage>

// The browser's page: reports what Qt WebEngine has no frame objects for,
// the navigation and the completed document of every frame.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit BrowserPage(QWebEngineProfile* profile, QObject* parent);

    // Asks the main document to report (shown(ticket)) once it has drawn
    // its next two frames, that is once it is on the screen.
    void reportWhenShown(int ticket);

signals:
    // The main document is about to be replaced by url (any navigation that
    // loads a document: typed, a link, a script, history).
    void mainFrameNavigation(const QUrl& url);
    // A frame (not the main document) starts loading url.
    void frameLoadStarted(const QUrl& url);
    // A frame's document has completed loading (its load event).
    void frameDocumentComplete(const QUrl& url);
    // The main document asked by reportWhenShown(ticket) has been drawn.
    void shown(int ticket);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString& source) override;

private:
    // Frame addresses (as file: addresses for local pages) whose navigation
    // was seen and whose completion is awaited: a report for any other
    // address (a page's script writing to the console) is ignored.
    QSet<QUrl> m_framesLoading;
};
