#include "ui/common/pick_date.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/pv_calendar.h"

namespace absence::ui {
namespace {

TPickDateHook g_hook;

// The year is changed only through the arrows; its text cannot be typed over.
class TYearUpDown : public QSpinBox {
 public:
  TYearUpDown() {
    lineEdit()->setReadOnly(true);
    lineEdit()->setObjectName(QStringLiteral("txtYear"));
  }
  QLineEdit* Text() const { return lineEdit(); }
};

QToolButton* MonthButton(const char* name, Qt::ArrowType arrow, const QString& tip) {
  auto* b = new QToolButton;
  b->setObjectName(QString::fromLatin1(name));
  b->setArrowType(arrow);
  b->setToolTip(tip);
  b->setAutoRepeat(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

TfrmPickDate::TfrmPickDate(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPickDate"));
  setWindowTitle(tr("Select a Date"));

  monthBox_ = new QComboBox;
  monthBox_->setObjectName(QStringLiteral("cboMonth"));
  const QLocale locale = QLocale::system();
  for (int m = 1; m <= 12; ++m)
    monthBox_->addItem(locale.standaloneMonthName(m, QLocale::LongFormat));

  auto* upDown = new TYearUpDown;
  upDown->setObjectName(QStringLiteral("UpDown"));
  upDown->setRange(kFirstYear, kLastYear);
  upDown->setGroupSeparatorShown(false);
  upDown->setWrapping(false);
  yearBox_ = upDown;
  yearText_ = upDown->Text();

  previousMonthButton_ = MonthButton("SpeedButton1", Qt::LeftArrow, tr("Previous month"));
  nextMonthButton_ = MonthButton("SpeedButton2", Qt::RightArrow, tr("Next month"));

  calendar_ = new TPVCalendar;
  calendar_->setObjectName(QStringLiteral("Calendar1"));
  calendar_->SetStartOfWeek(0);
  calendar_->SetYearRange(kFirstYear, kLastYear);
  calendar_->setFixedSize(calendar_->sizeHint());

  okButton_ = new QPushButton(tr("OK"));
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  okButton_->setDefault(true);
  cancelButton_ = new QPushButton(tr("Cancel"));
  cancelButton_->setObjectName(QStringLiteral("cmdCancel"));

  auto* top = new QHBoxLayout;
  top->addWidget(previousMonthButton_);
  top->addWidget(monthBox_, 1);
  top->addWidget(yearBox_);
  top->addWidget(nextMonthButton_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(calendar_, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(calendar_, &TPVCalendar::Change, this, &TfrmPickDate::Calendar1Change);
  connect(calendar_, &TPVCalendar::DblClick, this, &QDialog::accept);
  connect(monthBox_, &QComboBox::activated, this, &TfrmPickDate::cboMonthClick);
  connect(yearBox_, &QSpinBox::valueChanged, this, &TfrmPickDate::UpDownClick);
  connect(previousMonthButton_, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton1Click);
  connect(nextMonthButton_, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton2Click);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

  Calendar1Change();
  calendar_->setFocus(Qt::OtherFocusReason);
}

TfrmPickDate::~TfrmPickDate() {
  if (arrowCursor_) QApplication::restoreOverrideCursor();
}

TDate TfrmPickDate::Date() const {
  return calendar_->CalendarDate();
}

void TfrmPickDate::SetDate(TDate date) {
  calendar_->SetCalendarDate(date);
}

void TfrmPickDate::showEvent(QShowEvent* event) {
  // Callers open the picker under the wait cursor; choosing a day needs the normal pointer.
  if (!arrowCursor_ && QApplication::overrideCursor()) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    arrowCursor_ = true;
  }
  QDialog::showEvent(event);
}

void TfrmPickDate::hideEvent(QHideEvent* event) {
  if (arrowCursor_) {
    QApplication::restoreOverrideCursor();
    arrowCursor_ = false;
  }
  QDialog::hideEvent(event);
}

void TfrmPickDate::Calendar1Change() {
  const QSignalBlocker monthBlocker(monthBox_);
  const QSignalBlocker yearBlocker(yearBox_);
  monthBox_->setCurrentIndex(calendar_->Month() - 1);
  yearBox_->setValue(calendar_->Year());
  previousMonthButton_->setEnabled(calendar_->Year() > kFirstYear || calendar_->Month() > 1);
  nextMonthButton_->setEnabled(calendar_->Year() < kLastYear || calendar_->Month() < 12);
}

void TfrmPickDate::cboMonthClick(int index) {
  calendar_->SetMonth(index + 1);
}

void TfrmPickDate::UpDownClick(int year) {
  calendar_->SetYear(year);
}

void TfrmPickDate::SpeedButton1Click() {
  calendar_->PrevMonth();
}

void TfrmPickDate::SpeedButton2Click() {
  calendar_->NextMonth();
}

bool PickDate(QString& dateText, const QString& pattern, QWidget* parent) {
  TDate start = 0;
  if (!ParseDate(dateText, pattern, start)) start = Today();
  TfrmPickDate picker(parent ? parent : QApplication::activeWindow());
  picker.SetDate(start);
  if (g_hook) {
    picker.show();
    g_hook(picker);
  } else {
    picker.exec();
  }
  if (picker.result() != QDialog::Accepted) return false;
  dateText = FormatDate(picker.Date(), pattern);
  return true;
}

bool PickDateFor(TDateEdit& box) {
  QString text = box.text();
  if (!PickDate(text, box.DateFormat(), box.window())) return false;
  box.setText(text);
  box.ParseText();
  return true;
}

void SetPickDateHook(TPickDateHook hook) {
  g_hook = std::move(hook);
}

}  // namespace absence::ui
