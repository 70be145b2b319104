#pragma once
// A numeric box: digits and one decimal point, at most `Digits` digits before the point and
// `Decimals` after it, a value no larger than `Maximum`, shown in `DisplayMask` while the box
// does not have the focus.
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

  // Whether `text` is an acceptable content of the box (the limits above).
  bool Acceptable(const QString& text) const;

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
