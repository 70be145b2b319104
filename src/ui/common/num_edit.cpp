#include "ui/common/num_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "data/settings.h"

namespace absence::ui {

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent) {
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  connect(this, &QLineEdit::textEdited, this, [this](const QString& t) { value_ = t.toDouble(); });
  ShowValue();
}

void TNumEdit::SetDisplayMask(const QString& mask) {
  displayMask_ = mask;
  if (!hasFocus()) ShowValue();
}

double TNumEdit::Value() const {
  return value_;
}

void TNumEdit::SetValue(double value) {
  value_ = value;
  if (hasFocus())
    setText(PlainText(value));
  else
    ShowValue();
}

QString TNumEdit::PlainText(double value) const {
  QString t = QString::number(value, 'f', decimals_);
  if (t.contains(u'.')) {
    while (t.endsWith(u'0')) t.chop(1);
    if (t.endsWith(u'.')) t.chop(1);
  }
  return t;
}

void TNumEdit::ShowValue() {
  if (displayMask_.isEmpty())
    setText(PlainText(value_));
  else
    setText(QString::fromStdString(FormatNumber(value_, displayMask_.toStdString())));
}

bool TNumEdit::Acceptable(const QString& text) const {
  return WellFormed(text) && (maximum_ <= 0 || text.toDouble() <= maximum_);
}

bool TNumEdit::WellFormed(const QString& text) const {
  if (text.isEmpty()) return true;
  const qsizetype point = text.indexOf(u'.');
  if (point >= 0 && (decimals_ <= 0 || text.indexOf(u'.', point + 1) >= 0)) return false;
  const QString whole = point >= 0 ? text.left(point) : text;
  const QString fraction = point >= 0 ? text.mid(point + 1) : QString();
  for (QChar c : whole + fraction)
    if (c < u'0' || c > u'9') return false;
  return whole.size() <= digits_ && fraction.size() <= decimals_;
}

void TNumEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool isCharacter = !typed.isEmpty() && typed.at(0).isPrint();
  if (isCharacter && (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
    QString next = text();
    const int from = hasSelectedText() ? selectionStart() : cursorPosition();
    const int count = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    next.replace(from, count, typed);
    if (!WellFormed(next)) {
      QApplication::beep();
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TNumEdit::focusInEvent(QFocusEvent* event) {
  setText(PlainText(value_));
  QLineEdit::focusInEvent(event);
}

void TNumEdit::focusOutEvent(QFocusEvent* event) {
  value_ = text().toDouble();
  ShowValue();
  QLineEdit::focusOutEvent(event);
}

}  // namespace absence::ui
