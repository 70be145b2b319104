#include "ui/common/date_edit.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolButton>

#include "dates/date_text.h"
#include "ui/common/date_text.h"
#include "ui/common/message_box.h"
#include "ui/common/pictures.h"

namespace absence::ui {

TDateEdit::TDateEdit(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(10);
}

QToolButton* NewCalendarButton(const QString& name) {
  auto* button = new QToolButton;
  button->setObjectName(name);
  button->setIcon(ResourceIcon(QStringLiteral("Dates")));
  button->setToolTip(QCoreApplication::translate("TDateEdit", "Show Calendar"));
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

bool LeaveDateBoxes(QWidget* okButton, std::initializer_list<TDateEdit*> boxes) {
  for (TDateEdit* box : boxes)
    if (box->hasFocus() && box->ValidateInput() && !box->text().isEmpty() && !box->ParseText())
      return false;
  okButton->setFocus();
  for (TDateEdit* box : boxes)
    if (box->hasFocus()) return false;
  return true;
}

void TDateEdit::SetDate(TDate d) {
  date_ = d;
  setText(FormatDate(d, dateFormat_));
}

bool TDateEdit::ParseText() {
  QString t = text();
  const qsizetype first = t.indexOf(kDateSeparator);
  if (first < 0) {
    date_ = 0;
    return false;
  }
  const qsizetype second = t.mid(first + 1, 10).indexOf(kDateSeparator);
  if (second < 0) {
    date_ = 0;
    return false;
  }
  const qsizetype secondPos = first + 1 + second;

  // Where the year stands follows the position of "yyyy" in the box's pattern.
  const qsizetype yearAt = dateFormat_.indexOf(QStringLiteral("yyyy"));
  qsizetype start = 0, length = 0;
  if (yearAt == 0) {
    start = 0;
    length = first;
  } else if (yearAt == 3) {
    start = first + 1;
    length = secondPos - first - 1;
  } else {
    start = secondPos + 1;
    length = std::min<qsizetype>(4, t.size() - start);
  }
  const QString year = t.mid(start, length);
  if (year.isEmpty()) {
    date_ = 0;
    return false;
  }
  // Only two-digit years are completed; a single digit stays as typed so it is refused.
  if (year.size() == 2) {
    t.replace(start, length, CompleteYear(year));
    setText(t);
  }
  TDate parsed = 0;
  if (!ParseDate(t, dateFormat_, parsed)) {
    date_ = 0;
    return false;
  }
  date_ = parsed;
  return true;
}

QString TDateEdit::InvalidDateMessage() const {
  const QString start = tr("The date you entered - %1 - is not valid.\r\r ").arg(text());
  // A real day the data files cannot keep: its format is right, so say what is wrong instead.
  const TDateTextFault fault =
      ParseDateLenient(text().toStdString(), dateFormat_.toStdString(), NearYear()).Fault;
  if (fault == TDateTextFault::TooLate)
    return start + QString::fromStdString(DateTextFaultMessage(fault));
  return start + tr("Please make sure your date is in the \"%1\" format.").arg(dateFormat_);
}

bool TDateEdit::Validate() {
  if (text().isEmpty() && !requiredField_) return true;
  if (!validateInput_) return true;
  if (ParseText()) {
    setText(FormatDate(date_, dateFormat_));
    return true;
  }
  validating_ = true;
  MessageBoxTitled(InvalidDateMessage(), TMsgKind::Information, mbOK);
  setFocus(Qt::OtherFocusReason);
  validating_ = false;
  return false;
}

void TDateEdit::StepDays(int days) {
  TDate d = 0;
  if (!ParseDate(text(), dateFormat_, d)) return;
  SetDate(d + days);
  if (autoSelect_) selectAll();
}

void TDateEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (Validate() && autoSelect_) selectAll();
      event->accept();
      return;
    case Qt::Key_Plus:
      StepDays(1);
      event->accept();
      return;
    case Qt::Key_Minus:
      StepDays(-1);
      event->accept();
      return;
    default:
      break;
  }
  const QString typed = event->text();
  const bool isCharacter = !typed.isEmpty() && typed.at(0).isPrint();
  if (isCharacter && (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0) {
    const QChar c = typed.at(0);
    const bool allowed = (c >= u'0' && c <= u'9') || c == kDateSeparator;
    if (!allowed) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TDateEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Switching to another program or opening a menu is not leaving the box.
  if (validating_ || event->reason() == Qt::ActiveWindowFocusReason ||
      event->reason() == Qt::PopupFocusReason)
    return;
  emit Exit();
  if (!hasFocus()) Validate();
}

}  // namespace absence::ui
