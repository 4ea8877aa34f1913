#include "shell/splash_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "shell/about_dialog.h"

namespace tarvello {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("frmSplash");
  setFixedSize(520, 260);
  setFocusPolicy(Qt::StrongFocus);
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may end up to 5 % early
  timer_.setInterval(kShowMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &SplashWindow::finish);
}

void SplashWindow::start() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  activateWindow();
  setFocus();
  timer_.start();
}

void SplashWindow::finish() {
  if (done_) return;
  done_ = true;
  timer_.stop();
  close();
  emit finished();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(24, 58, 94));
  p.setPen(QColor(255, 255, 255));
  QFont title = font();
  title.setPointSize(30);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(30, 30, width() - 60, 70), Qt::AlignLeft | Qt::AlignVCenter, productName());
  QFont body = font();
  body.setPointSize(11);
  p.setFont(body);
  p.drawText(QRect(30, 110, width() - 60, 80), Qt::AlignLeft | Qt::TextWordWrap,
             productDescription());
  p.setPen(QColor(180, 200, 225));
  p.drawText(QRect(30, height() - 50, width() - 60, 30), Qt::AlignLeft | Qt::AlignVCenter,
             QString("Version %1").arg(productVersion()));
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  finish();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  finish();
}

}  // namespace tarvello
