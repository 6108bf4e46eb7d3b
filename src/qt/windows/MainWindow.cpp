#include "qt/windows/MainWindow.h"

#include "app/MainController.h"
#include "qt/services/Logging.h"
#include "qt/services/WebEngineBrowser.h"
#include "qt/windows/OptionsWindow.h"
#include "qt/windows/SlideShowWindow.h"
#include "qt/windows/TourListModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

using rovanta::Button;
using rovanta::MainController;
using TokenButton = rovanta::ActionEditor::TokenButton;

namespace {

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

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
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
    m_cmdOpt = button("> Optionen <", "cmdOpt");
    m_cmdOpt->setToolTip(QStringLiteral("Einstellungen!"));
    m_txtInfo = button("[Info]", "txtInfo");
    m_cmdExit = button("X", "cmdExit");
    titleRow->addWidget(m_cmdOpt);
    titleRow->addWidget(m_txtInfo);
    titleRow->addWidget(m_cmdExit);
    outer->addLayout(titleRow);
    outer->addWidget(buildNavigation());

    auto* splitter = new QSplitter(Qt::Horizontal, central);
    splitter->addWidget(buildPanel());
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

QPushButton* MainWindow::button(const char* caption, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

QWidget* MainWindow::buildNavigation() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cmdBack = button("&Zurück", "cmdBack");
    m_cmdForward = button("&Vor", "cmdForward");
    m_cmdRefresh = button("&Refresh", "cmdRefresh");
    m_cmdHome = button("&Home", "cmdHome");
    m_cmdStop = button("&Stop", "cmdStop");
    m_cmdBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_cmdForward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    m_cmdRefresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_cmdHome->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    m_cmdStop->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    for (QPushButton* b : {m_cmdBack, m_cmdForward, m_cmdRefresh, m_cmdHome, m_cmdStop}) {
        layout->addWidget(b);
    }
    // The address group "1) URL:": the address box and "..." for a local page.
    auto* address = new QGroupBox(QStringLiteral("1) URL:"));
    address->setObjectName(QStringLiteral("fraURL"));
    auto* addressLayout = new QHBoxLayout(address);
    addressLayout->setContentsMargins(6, 2, 6, 4);
    m_txtURL = new QLineEdit;
    m_txtURL->setObjectName(QStringLiteral("txtURL"));
    m_txtURL->installEventFilter(new SelectAllOnFocus(m_txtURL));
    addressLayout->addWidget(m_txtURL, 1);
    m_cmdLBrowse = button("...", "cmdLBrowse");
    m_cmdLBrowse->setToolTip(QStringLiteral("Lokale HTML-Datei öffnen"));
    addressLayout->addWidget(m_cmdLBrowse);
    layout->addWidget(address, 1);
    m_lblStatus = new QLabel;
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setMinimumWidth(90);
    layout->addWidget(m_lblStatus);
    return row;
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
    m_tourFile = new QLineEdit;
    m_tourFile->setObjectName(QStringLiteral("TourFile"));
    m_command6 = button("laden", "Command6");
    m_command5 = button("speichern", "Command5");
    m_cmdFileDlg = button("...", "cmdFileDlg");
    filesLayout->addWidget(m_tourFile, 0, 0, 1, 3);
    filesLayout->addWidget(m_cmdFileDlg, 0, 3);
    filesLayout->addWidget(m_command6, 1, 0);
    filesLayout->addWidget(m_command5, 1, 1);
    auto* quick = new QHBoxLayout;
    for (int k = 0; k < 5; ++k) {
        const QByteArray caption = "Tour_" + QByteArray::number(k + 1);
        const QByteArray name = "cmdTB" + QByteArray::number(k + 1);
        m_quickTours[static_cast<std::size_t>(k)] = button(caption.constData(), name.constData());
        quick->addWidget(m_quickTours[static_cast<std::size_t>(k)]);
    }
    filesLayout->addLayout(quick, 2, 0, 1, 4);
    layout->addWidget(files);

    // The tour list and its commands.
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
    tourLayout->addWidget(m_tourURLs, 0, 0, 1, 4);
    m_command4 = button("> Tour starten", "Command4");
    m_cmdTStop = button("[Halt]", "cmdTStop");
    m_invervall = new QLineEdit;
    m_invervall->setObjectName(QStringLiteral("Invervall"));
    m_invervall->setMaximumWidth(48);
    m_invervall->setToolTip(QStringLiteral("Intervall in Sekunden"));
    tourLayout->addWidget(m_command4, 1, 0);
    tourLayout->addWidget(m_cmdTStop, 1, 1);
    tourLayout->addWidget(new QLabel(QStringLiteral("Intervall (s):")), 1, 2, Qt::AlignRight);
    tourLayout->addWidget(m_invervall, 1, 3);
    m_command2 = button("> URL zu Tour <", "Command2");
    m_command7 = button("Lösche Eintrag", "Command7");
    m_command3 = button("Lösche Tour", "Command3");
    m_cmdNoEdit = button("[no edit]", "cmdNoEdit");
    m_cmdNoEdit->setToolTip(QStringLiteral("Edit-Modus aufheben!"));
    tourLayout->addWidget(m_command2, 2, 0);
    tourLayout->addWidget(m_command7, 2, 1);
    tourLayout->addWidget(m_command3, 2, 2);
    tourLayout->addWidget(m_cmdNoEdit, 2, 3);
    m_cmdEdit = new QCheckBox(QStringLiteral("Edit"));
    m_cmdEdit->setObjectName(QStringLiteral("cmdEdit"));
    m_holdURL = new QCheckBox(QStringLiteral("Halte URL"));
    m_holdURL->setObjectName(QStringLiteral("HoldURL"));
    m_holdURL->setToolTip(QStringLiteral("Hält die bestehende URL im Browser!"));
    tourLayout->addWidget(m_cmdEdit, 3, 0);
    tourLayout->addWidget(m_holdURL, 3, 1);
    m_txtHnw = new QLineEdit;
    m_txtHnw->setObjectName(QStringLiteral("txtHnw"));
    m_txtHnw->setToolTip(QStringLiteral("Hinweis zum Eintrag"));
    tourLayout->addWidget(new QLabel(QStringLiteral("Hinweis:")), 4, 0);
    tourLayout->addWidget(m_txtHnw, 4, 1, 1, 3);
    layout->addWidget(tour, 1);

    // The action editor.
    auto* keys = new QGroupBox(QStringLiteral(" 4) Tasten drücken: "));
    auto* keysLayout = new QGridLayout(keys);
    m_txtKeyPressed = new QLineEdit;
    m_txtKeyPressed->setObjectName(QStringLiteral("txtKeyPressed"));
    m_txtKeyPressed->setToolTip(
        QStringLiteral("Geben Sie hier die Zeichen an die eingegeben werden sollen!"));
    keysLayout->addWidget(m_txtKeyPressed, 0, 0, 1, 7);
    const char* const captions[] = {"[", "]", "[Enf_BL]", "[Enter]", "[TAB]", "Flx", "C"};
    const char* const names[] = {"cmdBlA", "cmdBlE",   "cmdBlIn",    "cmdEnter",
                                 "cmdTab", "cmdField", "cmdClearTxt"};
    for (int i = 0; i < 7; ++i) {
        m_tokenButtons[static_cast<std::size_t>(i)] = button(captions[i], names[i]);
        keysLayout->addWidget(m_tokenButtons[static_cast<std::size_t>(i)], 1, i);
    }
    m_cmdStz = new QComboBox;
    m_cmdStz->setObjectName(QStringLiteral("cmdStz"));
    for (const char* item : rovanta::ActionEditor::kListItems) {
        m_cmdStz->addItem(QString::fromUtf8(item));
    }
    keysLayout->addWidget(m_cmdStz, 2, 0, 1, 2);
    m_cmdMausAn = button("[An]", "cmdMausAn");
    m_lblMCntr = new QLabel;
    m_lblMCntr->setObjectName(QStringLiteral("lblMCntr"));
    m_lblPos = new QLabel;
    m_lblPos->setObjectName(QStringLiteral("lblPos"));
    m_cmdGoTo = button("[GoTo]", "cmdGoTo");
    keysLayout->addWidget(m_cmdMausAn, 3, 0);
    keysLayout->addWidget(m_lblMCntr, 3, 1, 1, 3);
    keysLayout->addWidget(m_lblPos, 3, 4, 1, 2);
    keysLayout->addWidget(m_cmdGoTo, 3, 6);
    layout->addWidget(keys);

    m_txtDirLst = new QLineEdit;
    m_txtDirLst->setObjectName(QStringLiteral("txtDirLst"));
    m_txtDirLst->setReadOnly(true);
    layout->addWidget(m_txtDirLst);

    // Tour text from the web.
    auto* web = new QHBoxLayout;
    m_webHTML = new QPlainTextEdit;
    m_webHTML->setObjectName(QStringLiteral("WebHTML"));
    m_webHTML->setMaximumHeight(48);
    m_webHTML->setToolTip(QStringLiteral("Tour-Text aus dem Web"));
    m_command9 = button("Load", "Command9");
    web->addWidget(m_webHTML, 1);
    web->addWidget(m_command9);
    layout->addLayout(web);

    // The site generators.
    auto* generators = new QHBoxLayout;
    m_cmdFrame = button("Frame anlegen", "cmdFrame");
    m_cmdFrame->setToolTip(QStringLiteral("Erstellt Frame-Datei für Tour!"));
    m_cmdLHTM = button("HTML-File-Liste", "cmdLHTM");
    m_cmdLHTM->setToolTip(QStringLiteral("HTML-Dateien aus Verz. zu Tour"));
    m_cmdPicTour = button("Dia-Show", "cmdPicTour");
    m_cmdPicTour->setToolTip(QStringLiteral("DiaShow anlegen"));
    generators->addWidget(m_cmdFrame);
    generators->addWidget(m_cmdLHTM);
    generators->addWidget(m_cmdPicTour);
    layout->addLayout(generators);
    return panel;
}

void MainWindow::forward(QPushButton* b, std::function<void()> fn) {
    connect(b, &QPushButton::clicked, this,
            [this, fn = std::move(fn)] { m_controller->command(fn); });
}

void MainWindow::attach(MainController& c, OptionsWindow& options, SlideShowWindow& slideShow) {
    m_controller = &c;
    m_options = &options;
    m_slideShow = &slideShow;
    rovanta::MainForm& form = c.form();
    form.addObserver([this] { refresh(); });

    m_model = new TourListModel(c.tour().lists(), this);
    m_tourURLs->setModel(m_model);
    // The address takes the room the other two leave; those fit the texts
    // in view, up to a limit, and the tooltips show every text whole.
    QHeaderView* header = m_tourURLs->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setResizeContentsPrecision(0); // the rows in view decide
    m_fitColumns = new QTimer(this);
    m_fitColumns->setSingleShot(true);
    m_fitColumns->setInterval(0);
    connect(m_fitColumns, &QTimer::timeout, this, &MainWindow::fitTourColumns);
    const auto fitSoon = [this] { m_fitColumns->start(); };
    connect(m_model, &QAbstractItemModel::modelReset, this, fitSoon);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, fitSoon);
    connect(m_model, &QAbstractItemModel::dataChanged, this, fitSoon);
    connect(m_tourURLs->verticalScrollBar(), &QScrollBar::valueChanged, this, fitSoon);
    m_tourURLs->installEventFilter(this);
    fitTourColumns();
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

    forward(m_cmdBack, [&c] { c.back(); });
    forward(m_cmdForward, [&c] { c.forward(); });
    forward(m_cmdRefresh, [&c] { c.refresh(); });
    forward(m_cmdHome, [&c] { c.home(); });
    connect(m_cmdStop, &QPushButton::clicked, this, [&c] { c.stop(); });
    connect(m_txtURL, &QLineEdit::textEdited, this,
            [&form](const QString& t) { form.state.txtURL = t.toStdString(); });
    connect(m_txtURL, &QLineEdit::returnPressed, this, [this, &c] {
        const std::string text = m_txtURL->text().toStdString();
        c.command([&c, text] { c.urlEntered(text); });
    });
    forward(m_txtInfo, [&c] { c.info(); });
    connect(m_cmdExit, &QPushButton::clicked, this, [&c] { c.exit(); });
    connect(m_cmdOpt, &QPushButton::clicked, this, [this] {
        m_controller->options().show();
        m_options->showDialog();
    });

    connect(m_tourFile, &QLineEdit::textEdited, this,
            [&form](const QString& t) { form.state.tourFile = t.toStdString(); });
    forward(m_command6, [&c] { c.tourFiles().load(); });
    forward(m_command5, [&c] { c.tourFiles().save(); });
    forward(m_cmdFileDlg, [&c] { c.tourFiles().chooseAndStart(); });
    for (int k = 0; k < 5; ++k) {
        forward(m_quickTours[static_cast<std::size_t>(k)],
                [&c, k] { c.tourFiles().quickTour(k + 1); });
    }
    forward(m_command4, [&c] { c.player().startTour(); });
    forward(m_cmdTStop, [&c] { c.player().haltOrResume(); });
    connect(m_invervall, &QLineEdit::textEdited, this, [&c](const QString& t) {
        const std::string text = t.toStdString();
        c.command([&c, text] { c.player().intervalChanged(text); });
    });
    forward(m_command2, [&c] { c.editor().addOrReplace(); });
    forward(m_command7, [&c] { c.editor().deleteSelected(); });
    forward(m_command3, [&c] { c.editor().deleteAll(); });
    forward(m_cmdNoEdit, [&c] { c.editor().leaveEditMode(); });
    connect(m_cmdEdit, &QCheckBox::clicked, this,
            [&form](bool on) { form.state.cmdEditChecked = on; });
    connect(m_holdURL, &QCheckBox::clicked, this,
            [&form](bool on) { form.state.holdUrlChecked = on; });
    connect(m_txtHnw, &QLineEdit::textEdited, this,
            [&form](const QString& t) { form.state.txtHnw = t.toStdString(); });
    connect(m_txtKeyPressed, &QLineEdit::textEdited, this,
            [&form](const QString& t) { form.state.txtKeyPressed = t.toStdString(); });
    const TokenButton tokens[] = {
        TokenButton::CmdBlA, TokenButton::CmdBlE,   TokenButton::CmdBlIn,    TokenButton::CmdEnter,
        TokenButton::CmdTab, TokenButton::CmdField, TokenButton::CmdClearTxt};
    for (int i = 0; i < 7; ++i) {
        const TokenButton token = tokens[i];
        forward(m_tokenButtons[static_cast<std::size_t>(i)],
                [&c, token] { c.actionEditor().press(token); });
    }
    connect(m_cmdStz, &QComboBox::activated, this, [this, &c](int index) {
        const std::string item = m_cmdStz->itemText(index).toStdString();
        c.command([&c, item] { c.actionEditor().choose(item); });
    });
    forward(m_cmdMausAn, [&c] { c.mouse().toggleCapture(); });
    forward(m_cmdGoTo, [&c] { c.mouse().goTo(); });
    connect(m_webHTML, &QPlainTextEdit::textChanged, this, [this, &form] {
        form.state.webHtml = m_webHTML->toPlainText()
                                 .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                                 .toStdString();
    });
    forward(m_command9, [&c] { c.tourFiles().loadWebHtml(); });
    forward(m_cmdLBrowse, [&c] { c.generators().openLocalPage(); });
    forward(m_cmdFrame, [&c] { c.generators().frameSite(); });
    forward(m_cmdLHTM, [&c] { c.generators().htmlFileList(); });
    connect(m_cmdPicTour, &QPushButton::clicked, this, [this] { m_slideShow->showDialog(); });

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
    refresh();
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
    if (m_fitColumns != nullptr && m_fitColumns->isActive()) {
        m_fitColumns->stop();
        fitTourColumns();
    }
    m_tourURLs->viewport()->repaint();
}

void MainWindow::fitTourColumns() {
    if (m_model == nullptr) {
        return;
    }
    // Position and hint fit the texts in view, each within 30 % of the
    // table, so the address keeps at least 40 % of it.
    const int room = m_tourURLs->viewport()->width();
    QHeaderView* header = m_tourURLs->horizontalHeader();
    const QFontMetrics metrics(m_tourURLs->font());
    const int margin =
        2 *
        (m_tourURLs->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_tourURLs) + 4);
    const int first = std::max(m_tourURLs->rowAt(0), 0);
    int last = m_tourURLs->rowAt(m_tourURLs->viewport()->height() - 1);
    if (last < 0) {
        last = m_model->rowCount() - 1;
    }
    for (int column : {1, 2}) {
        int fit = header->sectionSizeHint(column);
        for (int row = first; row <= last; ++row) {
            const QString text = m_model->index(row, column).data().toString();
            fit = std::max(fit, metrics.horizontalAdvance(text) + margin);
        }
        header->resizeSection(column, std::min(fit, room * 3 / 10));
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tourURLs && event->type() == QEvent::Resize && m_fitColumns != nullptr) {
        m_fitColumns->start();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::refresh() {
    if (m_controller == nullptr) {
        return;
    }
    const rovanta::MainForm& form = m_controller->form();
    const rovanta::FormState& s = form.state;
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
    const std::pair<Button, QPushButton*> buttons[] = {
        {Button::CmdBack, m_cmdBack},       {Button::CmdForward, m_cmdForward},
        {Button::CmdRefresh, m_cmdRefresh}, {Button::CmdHome, m_cmdHome},
        {Button::CmdStop, m_cmdStop},       {Button::Command2, m_command2},
        {Button::Command3, m_command3},     {Button::Command4, m_command4},
        {Button::Command5, m_command5},     {Button::Command6, m_command6},
        {Button::Command7, m_command7},     {Button::CmdTStop, m_cmdTStop}};
    for (const auto& [id, widget] : buttons) {
        widget->setEnabled(form.isEnabled(id));
    }
    setTextIfChanged(m_txtURL, s.txtURL);
    m_lblStatus->setText(fromStd(s.lblStatus));
    setTextIfChanged(m_tourFile, s.tourFile);
    m_tourFile->setEnabled(s.tourFileEnabled);
    setTextIfChanged(m_invervall, s.invervall);
    m_cmdTStop->setText(fromStd(s.cmdTStopCaption));
    m_cmdEdit->setChecked(s.cmdEditChecked);
    m_holdURL->setChecked(s.holdUrlChecked);
    setTextIfChanged(m_txtHnw, s.txtHnw);
    setTextIfChanged(m_txtKeyPressed, s.txtKeyPressed);
    if (m_cmdStz->currentText() != fromStd(s.cmdStzText)) {
        m_cmdStz->setCurrentText(fromStd(s.cmdStzText));
    }
    m_cmdMausAn->setText(fromStd(s.cmdMausAnCaption));
    m_lblMCntr->setText(fromStd(s.lblMCntr));
    m_lblPos->setText(fromStd(s.lblPos));
    setTextIfChanged(m_txtDirLst, s.txtDirLst);
    m_txtDirLst->setVisible(s.txtDirLstVisible);
    QString web = fromStd(s.webHtml);
    web.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_webHTML->toPlainText() != web) {
        const QSignalBlocker block(m_webHTML);
        m_webHTML->setPlainText(web);
    }
    if (s.cursor == rovanta::CursorKind::Capture) {
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
