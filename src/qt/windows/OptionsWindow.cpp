// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/OptionsWindow.h"

#include "app/MainController.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

OptionsWindow::OptionsWindow(rovanta::MainController& controller)
    : QWidget(nullptr, Qt::Window), m_controller(controller) {
    setWindowTitle(QStringLiteral("Einstellungen"));
    auto* layout = new QVBoxLayout(this);

    auto* autostart = new QGridLayout;
    auto* lblAutoStart = new QLabel(QStringLiteral("Autostart-Tour:"));
    lblAutoStart->setObjectName(QStringLiteral("lblAutoStart"));
    m_txtAutoStart = new QLineEdit;
    m_txtAutoStart->setObjectName(QStringLiteral("txtAutoStart"));
    auto* cmdSelAutoSt = button("...", "cmdSelAutoSt");
    autostart->addWidget(lblAutoStart, 0, 0);
    autostart->addWidget(m_txtAutoStart, 0, 1);
    autostart->addWidget(cmdSelAutoSt, 0, 2);
    layout->addLayout(autostart);

    auto* frame4 = new QGroupBox(QStringLiteral(" Aktionen konfigurieren: "));
    auto* quick = new QGridLayout(frame4);
    for (int k = 0; k < 5; ++k) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QStringLiteral("AkPf%1").arg(k + 1));
        m_akPf[static_cast<std::size_t>(k)] = edit;
        const QByteArray caption = "Tour_" + QByteArray::number(k + 1);
        const QByteArray name = "cmdTB" + QByteArray::number(k + 1);
        auto* choose = button(caption.constData(), name.constData());
        quick->addWidget(edit, k, 0);
        quick->addWidget(choose, k, 1);
        connect(choose, &QPushButton::clicked, this, [this, k] {
            m_controller.command([this, k] { m_controller.options().chooseQuickTour(k + 1); });
        });
    }
    layout->addWidget(frame4);

    auto* dataSrc = new QGroupBox(QStringLiteral("Daten sichern "));
    auto* source = new QGridLayout(dataSrc);
    m_dataLok = new QRadioButton(QStringLiteral("Lokal"));
    m_dataLok->setObjectName(QStringLiteral("DataLok"));
    m_dataWeb = new QRadioButton(QStringLiteral("Web"));
    m_dataWeb->setObjectName(QStringLiteral("DataWeb"));
    source->addWidget(m_dataLok, 0, 0);
    source->addWidget(m_dataWeb, 0, 1);
    // The path and the address share one spot; only one is shown.
    m_lblPfad = new QLabel(QStringLiteral("Pfad:"));
    m_txtPfad = new QLineEdit;
    m_txtPfad->setObjectName(QStringLiteral("txtPfad"));
    m_txtPfad->setReadOnly(true);
    m_lblURL = new QLabel(QStringLiteral("URL:"));
    m_txtURL = new QLineEdit;
    m_txtURL->setObjectName(QStringLiteral("txtURL"));
    source->addWidget(m_lblPfad, 1, 0);
    source->addWidget(m_txtPfad, 1, 1, 1, 2);
    source->addWidget(m_lblURL, 1, 0);
    source->addWidget(m_txtURL, 1, 1, 1, 2);
    auto* cmdSetMURL = button("SET URL", "cmdSetMURL");
    source->addWidget(cmdSetMURL, 2, 2);
    layout->addWidget(dataSrc);

    auto* bottom = new QHBoxLayout;
    auto* cmdInfo = button("[Info]", "cmdInfo");
    auto* cmdClose = button("[sichern]", "cmdClose");
    bottom->addWidget(cmdInfo);
    bottom->addStretch(1);
    bottom->addWidget(cmdClose);
    layout->addLayout(bottom);

    auto& c = m_controller;
    connect(cmdSelAutoSt, &QPushButton::clicked, this,
            [&c] { c.command([&c] { c.options().chooseAutoStart(); }); });
    connect(m_dataLok, &QRadioButton::clicked, this,
            [&c] { c.command([&c] { c.options().chooseDataSource(true); }); });
    connect(m_dataWeb, &QRadioButton::clicked, this,
            [&c] { c.command([&c] { c.options().chooseDataSource(false); }); });
    connect(m_txtURL, &QLineEdit::textEdited, this, [&c](const QString& text) {
        const std::string address = text.toStdString();
        c.command([&c, address] { c.options().setWebTourAddress(address); });
    });
    connect(cmdSetMURL, &QPushButton::clicked, this,
            [&c] { c.command([&c] { c.options().setMainUrl(); }); });
    connect(cmdInfo, &QPushButton::clicked, this,
            [&c] { c.command([&c] { c.options().info(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this, &c] {
        c.command([this, &c] {
            c.options().close();
            hide();
            emit left();
        });
    });
    resize(520, 420);
}

QPushButton* OptionsWindow::button(const char* caption, const char* name) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

void OptionsWindow::showDialog() {
    refresh();
    show();
    raise();
    activateWindow();
}

void OptionsWindow::refresh() {
    const rovanta::OptionsState& s = m_controller.options().state();
    const auto set = [](QLineEdit* edit, const std::string& text) {
        const QString value = QString::fromStdString(text);
        if (edit->text() != value && !edit->isModified()) {
            edit->setText(value);
        }
    };
    for (std::size_t k = 0; k < 5; ++k) {
        // A path shows the setting; typing into the box is not taken over.
        m_akPf[k]->setText(QString::fromStdString(s.akPf[k + 1]));
    }
    m_txtAutoStart->setText(QString::fromStdString(s.txtAutoStart));
    set(m_txtPfad, s.txtPfad);
    set(m_txtURL, s.txtURL);
    m_dataLok->setChecked(m_controller.form().state.dataLok);
    m_dataWeb->setChecked(!m_controller.form().state.dataLok);
    m_lblPfad->setVisible(s.pfadVisible);
    m_txtPfad->setVisible(s.pfadVisible);
    m_lblURL->setVisible(s.urlVisible);
    m_txtURL->setVisible(s.urlVisible);
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // Closed by its frame: hidden without storing, as if left unchanged.
    event->accept();
    emit left();
}
