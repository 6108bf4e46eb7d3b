// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/MainWindow.h"

#include "app/MainController.h"
#include "qt/services/Logging.h"
#include "qt/services/WebEngineBrowser.h"
#include "qt/windows/ControlSet.h"
#include "qt/windows/OptionsWindow.h"
#include "qt/windows/RecordedKey.h"
#include "qt/windows/SlideShowWindow.h"
#include "qt/windows/TourColumnFitter.h"
#include "qt/windows/TourListModel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

using rovanta::MainController;

namespace {

// Draws its column's texts cut in the middle instead of at the end.
class MiddleElidingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideMiddle;
    }
};

// Selects the whole address when the box gets the focus, so typing replaces it.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            auto* edit = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
        }
        return false;
    }
};

void setTextIfChanged(QLineEdit* edit, const std::string& text) {
    const QString value = QString::fromStdString(text);
    if (edit->text() != value) {
        edit->setText(value);
    }
}

// Adds controls to a grid row from column 0 on, one cell each.
void addRow(QGridLayout* grid, int row, std::initializer_list<QWidget*> widgets) {
    int column = 0;
    for (QWidget* w : widgets) {
        grid->addWidget(w, row, column++);
    }
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_controls(std::make_unique<ControlSet>(mainControls(), this)) {
    setWindowTitle(QStringLiteral("Kelmio"));
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    // Title row: the title box and the window's own buttons.
    auto* titleRow = new QHBoxLayout;
    m_txtVers = new QLineEdit(central);
    m_txtVers->setObjectName(QStringLiteral("txtVers"));
    m_txtVers->setReadOnly(true);
    m_txtVers->setFrame(false);
    QFont heavy(QStringLiteral("Arial Black"));
    heavy.setWeight(QFont::Black);
    heavy.setPointSize(13);
    m_txtVers->setFont(heavy);
    m_txtVers->setStyleSheet(QStringLiteral("color:#1f4e79; background:transparent;"));
    titleRow->addWidget(m_txtVers, 1);
    for (const char* name : {"cmdOpt", "txtInfo", "cmdExit"}) {
        titleRow->addWidget(control(name));
    }
    outer->addLayout(titleRow);
    outer->addWidget(buildNavigation());

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    // The panel scrolls where the screen is lower than it (a 1024×600 work
    // area): the window never asks for more room than the screen has, which
    // a Wayland compositor would refuse.
    auto* panelScroll = new QScrollArea;
    panelScroll->setObjectName(QStringLiteral("panelScroll"));
    panelScroll->setWidget(buildPanel());
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelScroll->setMinimumWidth(panelScroll->widget()->minimumWidth() +
                                 panelScroll->verticalScrollBar()->sizeHint().width());
    panelScroll->setMaximumWidth(panelScroll->widget()->maximumWidth() +
                                 panelScroll->verticalScrollBar()->sizeHint().width());
    splitter->addWidget(panelScroll);
    // The browser sits in a plain container: the capture overlay lies over
    // it there (a splitter would take the overlay as a pane of its own).
    auto* browserHost = new QWidget(splitter);
    auto* hostLayout = new QVBoxLayout(browserHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    m_view = new QWebEngineView(browserHost);
    hostLayout->addWidget(m_view);
    splitter->addWidget(browserHost);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({430, 850});
    splitter->setChildrenCollapsible(false);
    outer->addWidget(splitter, 1);
    setCentralWidget(central);

    m_browser = new WebEngineBrowser(m_view);
    resize(1280, 1000);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::control(const char* name) const {
    return m_controls->get(name);
}

QWidget* MainWindow::buildNavigation() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char* name : {"cmdBack", "cmdForward", "cmdRefresh", "cmdHome", "cmdStop"}) {
        layout->addWidget(control(name));
    }
    // The address group "1) URL:": the address box and "..." for a local page.
    auto* address = new QGroupBox(QStringLiteral("1) URL:"));
    address->setObjectName(QStringLiteral("fraURL"));
    auto* addressLayout = new QHBoxLayout(address);
    addressLayout->setContentsMargins(6, 2, 6, 4);
    QWidget* url = control("txtURL");
    url->installEventFilter(new SelectAllOnFocus(url));
    addressLayout->addWidget(url, 1);
    addressLayout->addWidget(control("cmdLBrowse"));
    layout->addWidget(address, 1);
    QWidget* status = control("lblStatus");
    status->setMinimumWidth(90);
    layout->addWidget(status);
    return row;
}

// The tour list (TourURLs) and its commands.
QWidget* MainWindow::buildTourGroup() {
    auto* tour = new QGroupBox(QStringLiteral(" Tour: "));
    auto* tourLayout = new QGridLayout(tour);
    m_tourURLs = new QTableView;
    m_tourURLs->setObjectName(QStringLiteral("TourURLs"));
    m_tourURLs->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tourURLs->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tourURLs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Fixed row heights keep a list of tens of thousands of entries quick.
    m_tourURLs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_tourURLs->verticalHeader()->setDefaultSectionSize(20);
    m_tourURLs->setWordWrap(false);
    // A long address is cut in the middle, so the file name that tells
    // entries apart stays in view; the tooltip keeps it whole.
    m_tourURLs->setItemDelegateForColumn(0, new MiddleElidingDelegate(m_tourURLs));
    tourLayout->addWidget(m_tourURLs, 0, 0, 1, 4);
    addRow(tourLayout, 1, {control("Command4"), control("cmdTStop")});
    tourLayout->addWidget(new QLabel(QStringLiteral("Intervall (s):")), 1, 2, Qt::AlignRight);
    control("Invervall")->setMaximumWidth(48);
    tourLayout->addWidget(control("Invervall"), 1, 3);
    addRow(tourLayout, 2,
           {control("Command2"), control("Command7"), control("Command3"), control("cmdNoEdit")});
    addRow(tourLayout, 3, {control("cmdEdit"), control("HoldURL"), control("chkGuide")});
    tourLayout->addWidget(new QLabel(QStringLiteral("Hinweis:")), 4, 0);
    tourLayout->addWidget(control("txtHnw"), 4, 1, 1, 3);
    return tour;
}

QWidget* MainWindow::buildPanel() {
    auto* panel = new QWidget;
    panel->setMinimumWidth(400);
    panel->setMaximumWidth(520);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    // Tour file and quick tours.
    auto* files = new QGroupBox(QStringLiteral(" Tour-Datei: "));
    auto* filesLayout = new QGridLayout(files);
    filesLayout->addWidget(control("TourFile"), 0, 0, 1, 3);
    filesLayout->addWidget(control("cmdFileDlg"), 0, 3);
    addRow(filesLayout, 1, {control("Command6"), control("Command5")});
    auto* quick = new QHBoxLayout;
    for (const char* name : {"cmdTB1", "cmdTB2", "cmdTB3", "cmdTB4", "cmdTB5"}) {
        quick->addWidget(control(name));
    }
    filesLayout->addLayout(quick, 2, 0, 1, 4);
    layout->addWidget(files);

    layout->addWidget(buildTourGroup(), 1);

    // The action editor.
    auto* keys = new QGroupBox(QStringLiteral(" 4) Tasten drücken: "));
    auto* keysLayout = new QGridLayout(keys);
    keysLayout->addWidget(control("txtKeyPressed"), 0, 0, 1, 7);
    auto* check = static_cast<QLabel*>(control("lblKeyCheck"));
    check->setWordWrap(true);
    check->setStyleSheet(QStringLiteral("color:#a04000;"));
    keysLayout->addWidget(check, 1, 0, 1, 7);
    addRow(keysLayout, 2,
           {control("cmdBlA"), control("cmdBlE"), control("cmdBlIn"), control("cmdEnter"),
            control("cmdTab"), control("cmdField"), control("cmdClearTxt")});
    keysLayout->addWidget(control("cmdStz"), 3, 0, 1, 2);
    keysLayout->addWidget(control("chkRecKeys"), 3, 2, 1, 5);
    keysLayout->addWidget(control("cmdMausAn"), 4, 0);
    keysLayout->addWidget(control("lblMCntr"), 4, 1, 1, 3);
    keysLayout->addWidget(control("lblPos"), 4, 4, 1, 2);
    keysLayout->addWidget(control("cmdGoTo"), 4, 6);
    layout->addWidget(keys);
    layout->addWidget(control("txtDirLst"));

    // Tour text from the web.
    auto* web = new QHBoxLayout;
    control("WebHTML")->setMaximumHeight(48);
    web->addWidget(control("WebHTML"), 1);
    web->addWidget(control("Command9"));
    layout->addLayout(web);

    // The site generators.
    auto* generators = new QHBoxLayout;
    for (const char* name : {"cmdFrame", "cmdLHTM", "cmdPicTour"}) {
        generators->addWidget(control(name));
    }
    layout->addLayout(generators);
    return panel;
}

void MainWindow::attach(MainController& c, OptionsWindow& options, SlideShowWindow& slideShow) {
    m_controller = &c;
    m_options = &options;
    m_slideShow = &slideShow;
    c.form().addObserver([this] { refresh(); });
    bindTourList();
    m_controls->bind({c, options, slideShow}, this);

    // Returning from our own dialogs makes the main window active again:
    // leaving a dialog with its button or frame, or clicking back into the
    // main window while the dialog stays open.
    connect(&options, &OptionsWindow::left, this, &MainWindow::becameActive);
    connect(&slideShow, &SlideShowWindow::left, this, &MainWindow::becameActive);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (now == nullptr) {
            return; // another program, or a moment between two windows
        }
        if (now == windowHandle() && m_lastFocus != nullptr && isOpenDialog(m_lastFocus)) {
            becameActive();
        }
        m_lastFocus = now;
    });
    // Keys pressed in the page reach it first through the application.
    qApp->installEventFilter(this);
    refresh();
}

void MainWindow::bindTourList() {
    m_model = new TourListModel(m_controller->tour().lists(), this);
    m_tourURLs->setModel(m_model);
    m_columns = new TourColumnFitter(m_tourURLs);
    connect(m_tourURLs->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                // Only the user's choice counts: the view also moves its
                // current row when rows are removed or the list is rebuilt.
                if (m_syncingSelection || m_model->changing() || !current.isValid()) {
                    return;
                }
                const int row = current.row();
                m_controller->command([this, row] {
                    m_controller->tour().lists().select(rovanta::TourList::Urls, row);
                });
            });
    connect(m_tourURLs, &QTableView::doubleClicked, this,
            [this] { m_controller->command([this] { m_controller->editor().doubleClick(); }); });
    connect(m_model, &TourListModel::urlSelectionChanged, this, [this](int index) {
        m_syncingSelection = true;
        if (index < 0) {
            m_tourURLs->clearSelection();
            m_tourURLs->selectionModel()->setCurrentIndex(QModelIndex(),
                                                          QItemSelectionModel::Clear);
        } else {
            m_tourURLs->selectRow(index);
        }
        m_syncingSelection = false;
    });
}

bool MainWindow::isOpenDialog(const QWindow* window) const {
    for (const QWidget* dialog :
         {static_cast<QWidget*>(m_options), static_cast<QWidget*>(m_slideShow)}) {
        if (dialog != nullptr && dialog->isVisible() && dialog->windowHandle() == window) {
            return true;
        }
    }
    return false;
}

void MainWindow::becameActive() {
    if (m_controller == nullptr) {
        return;
    }
    m_controller->command([this] { m_controller->activated(); });
}

void MainWindow::detach() {
    m_tourURLs->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
    m_controller = nullptr;
    m_options = nullptr;
    m_slideShow = nullptr;
}

void MainWindow::paintTourListNow() {
    if (m_columns != nullptr) {
        m_columns->fitIfDue();
    }
    m_tourURLs->viewport()->repaint();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        recordKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::recordKey(QObject* receiver, QKeyEvent* event) {
    // A key goes to the focus widget first, then up to its parents: it is
    // noted once, at the focus widget, when that lies in the browser. The
    // event goes on to the page. The receiver is only compared, never
    // called: keys also reach objects Qt is destroying (a page's render
    // widget being replaced).
    QWidget* widget = QApplication::focusWidget();
    if (m_controller == nullptr || !m_controller->form().state.recordingKeys || widget == nullptr ||
        receiver != widget || !(widget == m_view || m_view->isAncestorOf(widget))) {
        return;
    }
    if (const auto key = recordedKeyOf(*event)) {
        m_controller->command(
            [this, key = *key] { m_controller->actionEditor().recordKey(key.first, key.second); });
    }
}

void MainWindow::refresh() {
    if (m_controller == nullptr) {
        return;
    }
    const rovanta::MainForm& form = m_controller->form();
    // The playing entry, for the measuring scripts (category rovanta.ui).
    const rovanta::TourTable& table = m_controller->tour().table();
    const int step = table.running() ? table.pos() : 0;
    if (step != m_loggedStep) {
        m_loggedStep = step;
        if (step > 0) {
            qCInfo(lcUi) << "Step" << step;
        }
    }
    setTextIfChanged(m_txtVers, m_controller->titleLine());
    m_controls->mirror(form);
    static_cast<QLabel*>(control("lblKeyCheck"))
        ->setText(QString::fromStdString(m_controller->keyCheckLine()));
    if (form.state.cursor() == rovanta::CursorKind::Capture) {
        setCursor(Qt::CrossCursor);
    } else {
        unsetCursor();
    }
    if (m_options != nullptr) {
        m_options->refresh();
    }
    if (m_slideShow != nullptr) {
        m_slideShow->refresh();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce && m_controller != nullptr) {
        m_shownOnce = true;
        // The first showing counts as the window becoming active.
        becameActive();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, hidden dialogs included.
    event->accept();
    if (m_controller != nullptr) {
        m_controller->exit();
    }
}
