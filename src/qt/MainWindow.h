#pragma once

#include <QMainWindow>
#include <memory>

class QWebEngineView;
class WebEngineBrowser;

// The main window "Kelmio": for now the embedded browser filling the window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The browser as the core drives it.
    WebEngineBrowser& browser() { return *m_browser; }

private:
    QWebEngineView* m_view;
    WebEngineBrowser* m_browser;
};
