#pragma once
// The one-line box in which every window takes a date: only digits and the separator can be
// typed, two-digit years are completed, + and - step by a day, and a date that does not parse
// keeps the focus.
#include <QLineEdit>
#include <initializer_list>

#include "data/types.h"

class QToolButton;

namespace absence::ui {

class TDateEdit;

// The calendar button beside a date box (hint "Show Calendar"); it takes no focus, so leaving
// the box for it does not count as leaving the box.
QToolButton* NewCalendarButton(const QString& name);

// Moves the focus to a dialog's OK button so that the date boxes check their text on leaving;
// false when one refused it (it keeps the focus). A box that still has the focus when OK is
// clicked refused its text as the click took the focus, and is not asked a second time.
bool LeaveDateBoxes(QWidget* okButton, std::initializer_list<TDateEdit*> boxes);

class TDateEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TDateEdit(QWidget* parent = nullptr);

  QString DateFormat() const { return dateFormat_; }
  void SetDateFormat(const QString& pattern) { dateFormat_ = pattern; }
  bool ValidateInput() const { return validateInput_; }
  void SetValidateInput(bool on) { validateInput_ = on; }
  bool RequiredField() const { return requiredField_; }
  void SetRequiredField(bool on) { requiredField_ = on; }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }

  // The date of the last successful parse; 0 after a failed one.
  TDate Date() const { return date_; }
  // Shows `d` in the box's pattern.
  void SetDate(TDate d);

  // Completes the year and converts the text; false when it is no date.
  bool ParseText();
  // On Enter and on leaving: true when the box may be left. A failure shows the message and
  // puts the focus back.
  bool Validate();
  // The message for a text that does not parse.
  QString InvalidDateMessage() const;

 signals:
  // The window's own exit handler; runs before the box validates on leaving.
  void Exit();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void StepDays(int days);

  QString dateFormat_ = QStringLiteral("mm/dd/yyyy");
  bool validateInput_ = true;
  bool requiredField_ = false;
  bool autoSelect_ = true;
  bool validating_ = false;
  TDate date_ = 0;
};

}  // namespace absence::ui
