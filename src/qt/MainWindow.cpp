#include "qt/MainWindow.h"

#include "qt/WebEngineBrowser.h"

#include <QVBoxLayout>
#include <QWebEngineView>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_view(nullptr), m_browser(nullptr) {
    setWindowTitle(QStringLiteral("Kelmio"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(central);
    layout->addWidget(m_view);
    setCentralWidget(central);
    m_browser = new WebEngineBrowser(m_view);
    resize(1024, 768);
}

MainWindow::~MainWindow() = default;
