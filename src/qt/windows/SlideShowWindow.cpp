// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/windows/SlideShowWindow.h"

#include "app/MainController.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using rovanta::SlideShowState;

SlideShowWindow::SlideShowWindow(rovanta::MainController& controller)
    : QWidget(nullptr, Qt::Window), m_controller(controller) {
    setWindowTitle(QStringLiteral("DiaShow erstellen"));
    auto* layout = new QVBoxLayout(this);
    auto& c = m_controller;

    auto* location = new QGroupBox(QStringLiteral(" 1) Lokation: "));
    auto* locationLayout = new QHBoxLayout(location);
    m_diaWeb = new QRadioButton(QStringLiteral("Web"));
    m_diaWeb->setObjectName(QStringLiteral("DiaWeb"));
    m_diaLokal = new QRadioButton(QStringLiteral("Lokal"));
    m_diaLokal->setObjectName(QStringLiteral("DiaLokal"));
    m_diaLokal->installEventFilter(this);
    locationLayout->addWidget(m_diaWeb);
    locationLayout->addWidget(m_diaLokal);
    layout->addWidget(location);

    auto* pictures = new QGridLayout;
    m_txtFirstPic = new QLineEdit;
    m_txtFirstPic->setObjectName(QStringLiteral("txtFirstPic"));
    auto* cmdSelFile = new QPushButton(QStringLiteral("2) erstes Bild"));
    cmdSelFile->setObjectName(QStringLiteral("cmdSelFile"));
    pictures->addWidget(m_txtFirstPic, 0, 0);
    pictures->addWidget(cmdSelFile, 0, 1);
    auto* label1 = new QLabel(QStringLiteral("Format:"));
    label1->setObjectName(QStringLiteral("Label1"));
    m_txtForm = new QComboBox;
    m_txtForm->setObjectName(QStringLiteral("txtForm"));
    m_txtForm->setEditable(true);
    m_txtForm->addItems({QStringLiteral("*.jpg"), QStringLiteral("*.gif"), QStringLiteral("*.png"),
                         QStringLiteral("*.jpeg")});
    m_txtForm->installEventFilter(this);
    pictures->addWidget(label1, 1, 0, Qt::AlignRight);
    pictures->addWidget(m_txtForm, 1, 1);
    layout->addLayout(pictures);

    auto* choice = new QGroupBox(QStringLiteral(" Auswahl: "));
    auto* choiceLayout = new QGridLayout(choice);
    QCheckBox* const boxes[] = {
        check("Navigation (L/R)", "ChkDirection", &SlideShowState::chkDirection),
        check("In Frame", "ChkFrame", &SlideShowState::chkFrame),
        check("Icon-Link im Index", "ChkILink", &SlideShowState::chkILink),
        check("Link zu Original-Bild", "ChkPicLink", &SlideShowState::chkPicLink),
        check("Auto-Weiterschaltung", "ChkAutoLink", &SlideShowState::chkAutoLink),
        check("Navigation", "ChkNav", &SlideShowState::chkNav),
        check("Bild-Pfad", "ChkPath", &SlideShowState::chkPath)};
    for (int i = 0; i < 7; ++i) {
        choiceLayout->addWidget(boxes[i], i / 2, i % 2);
    }
    layout->addWidget(choice);

    auto* buttons = new QHBoxLayout;
    auto* cmdGenShow = new QPushButton(QStringLiteral("3) > Erstelle Show"));
    cmdGenShow->setObjectName(QStringLiteral("cmdGenShow"));
    auto* cmdDiaShowLoad = new QPushButton(QStringLiteral("[schließen]"));
    cmdDiaShowLoad->setObjectName(QStringLiteral("cmdDiaShowLoad"));
    buttons->addWidget(cmdGenShow);
    buttons->addStretch(1);
    buttons->addWidget(cmdDiaShowLoad);
    layout->addLayout(buttons);

    connect(m_diaWeb, &QRadioButton::clicked, this,
            [&c] { c.command([&c] { c.slideShow().chooseLocation(false); }); });
    connect(m_diaLokal, &QRadioButton::clicked, this,
            [&c] { c.command([&c] { c.slideShow().chooseLocation(true); }); });
    connect(m_txtFirstPic, &QLineEdit::textEdited, this,
            [&c](const QString& t) { c.slideShow().options().txtFirstPic = t.toStdString(); });
    connect(cmdSelFile, &QPushButton::clicked, this,
            [&c] { c.command([&c] { c.slideShow().getFirstPic(); }); });
    connect(cmdGenShow, &QPushButton::clicked, this,
            [&c] { c.command([&c] { c.slideShow().genShow(); }); });
    connect(cmdDiaShowLoad, &QPushButton::clicked, this, [this, &c] {
        c.command([this, &c] {
            c.slideShow().hide();
            hide();
            emit left();
        });
    });
    resize(440, 320);
}

QCheckBox* SlideShowWindow::check(const char* caption, const char* name,
                                  bool SlideShowState::*field) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(QString::fromUtf8(name));
    m_checks.emplace_back(box, field);
    auto& c = m_controller;
    const bool isFrame = field == &SlideShowState::chkFrame;
    connect(box, &QCheckBox::clicked, this, [&c, field, isFrame](bool on) {
        c.command([&c, field, isFrame, on] {
            if (isFrame) {
                c.slideShow().frameClicked(on);
            } else {
                c.slideShow().options().*field = on;
            }
        });
    });
    return box;
}

bool SlideShowWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto& c = m_controller;
        if (watched == m_txtForm) {
            const std::string text = m_txtForm->currentText().toStdString();
            c.command([&c, text] { c.slideShow().formatLeft(text); });
        } else if (watched == m_diaLokal) {
            c.command([&c] { c.slideShow().lokalLeft(); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SlideShowWindow::showDialog() {
    m_controller.slideShow().open();
    refresh();
    show();
    raise();
    activateWindow();
}

void SlideShowWindow::refresh() {
    const SlideShowState& s = m_controller.slideShow().state();
    m_diaLokal->setChecked(s.diaLokal);
    m_diaWeb->setChecked(!s.diaLokal);
    if (m_txtFirstPic->text() != QString::fromStdString(s.txtFirstPic)) {
        m_txtFirstPic->setText(QString::fromStdString(s.txtFirstPic));
    }
    if (!m_txtForm->hasFocus()) {
        m_txtForm->setCurrentText(QString::fromStdString(s.txtForm));
    }
    for (const auto& [box, field] : m_checks) {
        box->setChecked(s.*field);
    }
}

void SlideShowWindow::closeEvent(QCloseEvent* event) {
    // Closed by its frame: the next opening starts in the start state.
    event->accept();
    m_controller.command([this] { m_controller.slideShow().discard(); });
    emit left();
}
