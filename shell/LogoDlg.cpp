#include "shell/LogoDlg.h"

#include "res/Resources.h"
#include "res/StringTable.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

namespace {
constexpr int kVersionFromBottom = 48;
} // namespace

CLogoDlg::CLogoDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kWidth, kHeight);
    setWindowTitle(QStringLiteral("Orrindale"));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString CLogoDlg::VersionText() {
    return QStringLiteral("Version") + QString::fromStdString(LoadString(IDS_VERSION));
}

QPoint CLogoDlg::VersionPosition() const {
    return {width() / 2, height() - kVersionFromBottom};
}

void CLogoDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_nTicks = 0;
    m_timer.start(kTickMs, this);
}

void CLogoDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId())
        Tick();
    else
        QDialog::timerEvent(event);
}

void CLogoDlg::Tick() {
    if (++m_nTicks > 1) {
        m_timer.stop();
        accept();
    }
}

void CLogoDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), resources::Picture(resources::kImageLogo, devicePixelRatioF()));
    painter.setPen(Qt::black);
    // The point is the top left of the text, as the text is laid out from there.
    const QFontMetrics metrics(font());
    const QPoint at = VersionPosition();
    painter.drawText(at.x(), at.y() + metrics.ascent(), VersionText());
}
