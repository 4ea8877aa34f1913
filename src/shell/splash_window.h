#pragma once
// The window shown while the program starts: product and maker information.
// It closes after three seconds, or at once on a key press or a click.
#include <QTimer>
#include <QWidget>

namespace tarvello {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMilliseconds = 3000;

  explicit SplashWindow(QWidget* parent = nullptr);
  // Shows the window and starts the timer.
  void start();

 signals:
  void finished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void finish();
  QTimer timer_;
  bool done_ = false;
};

}  // namespace tarvello
