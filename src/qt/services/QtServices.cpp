// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/QtServices.h"

#include "qt/services/Logging.h"
#include "util/DialogFilter.h"

#include <QApplication>
#include <QClipboard>
#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

namespace {

// A window-system timer: while enabled with a positive interval it ticks;
// Qt delivers a late tick once. An interval of 0 never fires.
class QtTimer : public rovanta::Timer {
public:
    explicit QtTimer(std::function<void()> onTick) {
        // A coarse timer may fire 5 % late (50 ms a second): the tour's pace
        // would drift by that much each step.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [fn = std::move(onTick)] { fn(); });
    }
    void setInterval(int ms) override {
        m_interval = ms;
        apply();
    }
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override {
        m_enabled = enabled;
        apply();
    }
    bool isEnabled() const override { return m_enabled; }

private:
    void apply() {
        if (m_enabled && m_interval > 0) {
            m_timer.start(m_interval); // restarts the count, as the program expects
        } else {
            m_timer.stop();
        }
    }

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
};

QString toDisplayText(const std::string& text) {
    QString out = QString::fromStdString(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

} // namespace

QtClock::QtClock() {
    m_elapsed.start();
}

std::int64_t QtClock::nowMs() const {
    return m_elapsed.elapsed();
}

void QtClock::callAfter(int ms, std::function<void()> fn) {
    QTimer::singleShot(ms < 0 ? 0 : ms, Qt::PreciseTimer, &m_context, std::move(fn));
}

std::unique_ptr<rovanta::Timer> QtClock::createTimer(std::function<void()> onTick) {
    return std::make_unique<QtTimer>(std::move(onTick));
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::clear() {
    QGuiApplication::clipboard()->clear();
}

std::optional<std::string> QtClipboard::text() const {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

rovanta::MessageResult QtMessageBox::show(const rovanta::Message& message) {
    using rovanta::MessageButtons;
    using rovanta::MessageIcon;
    using rovanta::MessageResult;
    qCInfo(lcUi) << "Message" << QString::fromStdString(message.text);
    QMessageBox box(m_parent);
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(toDisplayText(message.text));
    switch (message.icon) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::None:
        break;
    }
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    // The buttons speak German like the rest of the window.
    const std::pair<QMessageBox::StandardButton, const char*> captions[] = {
        {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nein"}, {QMessageBox::Cancel, "Abbrechen"}};
    for (const auto& [which, caption] : captions) {
        if (QAbstractButton* button = box.button(which)) {
            button->setText(QString::fromUtf8(caption));
        }
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    default:
        return MessageResult::Ok;
    }
}

std::optional<std::string> QtFileDialog::openFile(const rovanta::FileDialogRequest& request) {
    QString start = QString::fromStdString(request.folder);
    if (!request.initialName.empty()) {
        start += QLatin1Char('/') + QString::fromStdString(request.initialName);
    }
    const QString chosen = QFileDialog::getOpenFileName(
        m_parent, QString(), start, QString::fromStdString(rovanta::toolkitFilter(request.filter)));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

void QtAppControl::quit() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
