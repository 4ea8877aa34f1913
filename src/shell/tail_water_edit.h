#pragma once
// The TAIL WATER ELEVATION field: takes only digits and one decimal point,
// selects its whole text when it gains the focus, shows two decimals when it
// loses it, and moves on to the next control on Enter.
#include <QLineEdit>

namespace tarvello {

class TailWaterEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TailWaterEdit(QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool acceptsPoint() const;
};

}  // namespace tarvello
