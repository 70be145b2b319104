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

  cboMonth = new QComboBox;
  cboMonth->setObjectName(QStringLiteral("cboMonth"));
  const QLocale locale = QLocale::system();
  for (int m = 1; m <= 12; ++m)
    cboMonth->addItem(locale.standaloneMonthName(m, QLocale::LongFormat));

  auto* upDown = new TYearUpDown;
  upDown->setObjectName(QStringLiteral("UpDown"));
  upDown->setRange(kFirstYear, kLastYear);
  upDown->setGroupSeparatorShown(false);
  upDown->setWrapping(false);
  UpDown = upDown;
  txtYear = upDown->Text();

  SpeedButton1 = MonthButton("SpeedButton1", Qt::LeftArrow, tr("Previous month"));
  SpeedButton2 = MonthButton("SpeedButton2", Qt::RightArrow, tr("Next month"));

  Calendar1 = new TPVCalendar;
  Calendar1->setObjectName(QStringLiteral("Calendar1"));
  Calendar1->SetStartOfWeek(0);
  Calendar1->SetYearRange(kFirstYear, kLastYear);
  Calendar1->setFixedSize(Calendar1->sizeHint());

  cmdOK = new QPushButton(tr("OK"));
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(tr("Cancel"));
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

  auto* top = new QHBoxLayout;
  top->addWidget(SpeedButton1);
  top->addWidget(cboMonth, 1);
  top->addWidget(UpDown);
  top->addWidget(SpeedButton2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Calendar1, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Calendar1, &TPVCalendar::Change, this, &TfrmPickDate::Calendar1Change);
  connect(Calendar1, &TPVCalendar::DblClick, this, &QDialog::accept);
  connect(cboMonth, &QComboBox::activated, this, &TfrmPickDate::cboMonthClick);
  connect(UpDown, &QSpinBox::valueChanged, this, &TfrmPickDate::UpDownClick);
  connect(SpeedButton1, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton1Click);
  connect(SpeedButton2, &QToolButton::clicked, this, &TfrmPickDate::SpeedButton2Click);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

  Calendar1Change();
  Calendar1->setFocus(Qt::OtherFocusReason);
}

TfrmPickDate::~TfrmPickDate() {
  if (arrowCursor_) QApplication::restoreOverrideCursor();
}

TDate TfrmPickDate::Date() const {
  return Calendar1->CalendarDate();
}

void TfrmPickDate::SetDate(TDate date) {
  Calendar1->SetCalendarDate(date);
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
  const QSignalBlocker monthBlocker(cboMonth);
  const QSignalBlocker yearBlocker(UpDown);
  cboMonth->setCurrentIndex(Calendar1->Month() - 1);
  UpDown->setValue(Calendar1->Year());
  SpeedButton1->setEnabled(Calendar1->Year() > kFirstYear || Calendar1->Month() > 1);
  SpeedButton2->setEnabled(Calendar1->Year() < kLastYear || Calendar1->Month() < 12);
}

void TfrmPickDate::cboMonthClick(int index) {
  Calendar1->SetMonth(index + 1);
}

void TfrmPickDate::UpDownClick(int year) {
  Calendar1->SetYear(year);
}

void TfrmPickDate::SpeedButton1Click() {
  Calendar1->PrevMonth();
}

void TfrmPickDate::SpeedButton2Click() {
  Calendar1->NextMonth();
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
