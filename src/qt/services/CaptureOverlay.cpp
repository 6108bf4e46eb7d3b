// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/services/CaptureOverlay.h"

#include <QEvent>
#include <QMouseEvent>

CaptureOverlay::CaptureOverlay(QWidget* covered)
    : QWidget(covered->parentWidget()), m_covered(covered) {
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(covered->geometry());
    covered->installEventFilter(this);
    hide();
}

bool CaptureOverlay::takePress(Qt::MouseButton button) {
    bool& latch = button == Qt::RightButton ? m_rightPressed : m_leftPressed;
    return std::exchange(latch, false);
}

bool CaptureOverlay::eventFilter(QObject* watched, QEvent* event) {
    // Follow the covered widget's place and size.
    if (watched == m_covered &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move)) {
        setGeometry(m_covered->geometry());
    }
    return QWidget::eventFilter(watched, event);
}

void CaptureOverlay::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
    } else if (event->button() == Qt::RightButton) {
        m_rightPressed = true;
    }
    if (m_onPress) {
        m_onPress(event->globalPosition().toPoint());
    }
    event->accept();
}

void CaptureOverlay::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
