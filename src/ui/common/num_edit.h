#pragma once
// A numeric box: digits and one decimal point, at most `Digits` digits before the point and
// `Decimals` after it, shown in `DisplayMask` while the box does not have the focus. Keys that
// would break that form are refused with a beep; a value above `Maximum` is kept as typed, so
// that the window can say what is wrong instead of the box silently dropping a digit.
#include <QLineEdit>

namespace absence::ui {

class TNumEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TNumEdit(QWidget* parent = nullptr);

  int Digits() const { return digits_; }
  void SetDigits(int digits) { digits_ = digits; }
  int Decimals() const { return decimals_; }
  void SetDecimals(int decimals) { decimals_ = decimals; }
  QString DisplayMask() const { return displayMask_; }
  void SetDisplayMask(const QString& mask);
  double Maximum() const { return maximum_; }
  void SetMaximum(double maximum) { maximum_ = maximum; }

  double Value() const;
  void SetValue(double value);

  // Whether `text` is an acceptable content of the box (the form and the maximum).
  bool Acceptable(const QString& text) const;
  // Whether `text` has the box's form (digits, point, decimals); the maximum is not checked.
  bool WellFormed(const QString& text) const;
  // Whether the value is within the maximum.
  bool InRange() const { return maximum_ <= 0 || value_ <= maximum_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString PlainText(double value) const;
  void ShowValue();

  int digits_ = 9;
  int decimals_ = 2;
  QString displayMask_;
  double maximum_ = 0;  // 0: no maximum
  double value_ = 0;
};

}  // namespace absence::ui
