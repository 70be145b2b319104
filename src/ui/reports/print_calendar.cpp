// The month calendar selection window.
#include "ui/reports/print_calendar.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/help.h"
#include "ui/reports/ab_report.h"
#include "ui/reports/report_settings.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kHelpContext = 2120;

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

}  // namespace

TfrmPrintCalendar::TfrmPrintCalendar(const TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setWindowTitle(tr("Month Calendar Selection"));
  const QDate today = ToQDate(Today());
  cboMonthBox_ = new QComboBox(this);
  cboMonthBox_->setObjectName(QStringLiteral("cboMonthBox"));
  for (int m = 1; m <= 12; ++m)
    cboMonthBox_->addItem(QLocale().monthName(m, QLocale::LongFormat), m);
  cboMonthBox_->setCurrentIndex(today.month() - 1);
  txtYear_ = new QSpinBox(this);
  txtYear_->setObjectName(QStringLiteral("txtYear"));
  txtYear_->setRange(1900, 2100);
  txtYear_->setValue(today.year());
  cboDeptBox_ = new QComboBox(this);
  cboDeptBox_->setObjectName(QStringLiteral("cboDeptBox"));
  cboDeptBox_->addItem(tr("All Departments"), 0);
  for (const auto& d : session_.Data().DeptList)
    if (!d->Deleted) cboDeptBox_->addItem(QString::fromStdString(d->DeptName), d->DeptID);
  auto* globals = new QGroupBox(tr(" Print Global Absence entries "), this);
  btnOncePerDay_ = new QRadioButton(tr("Once per day"), globals);
  btnOncePerDay_->setObjectName(QStringLiteral("btnOncePerDay"));
  btnOncePerDay_->setChecked(true);
  btnEachEmp_ = new QRadioButton(tr("Once for each employee"), globals);
  btnEachEmp_->setObjectName(QStringLiteral("btnEachEmp"));
  auto* g = new QVBoxLayout(globals);
  g->addWidget(btnOncePerDay_);
  g->addWidget(btnEachEmp_);
  auto* form = new QFormLayout;
  form->addRow(tr("Month"), cboMonthBox_);
  form->addRow(tr("Year"), txtYear_);
  form->addRow(tr("Department"), cboDeptBox_);
  QPushButton* preview = Button(tr("Preview"), "cmdPreview", this);
  QPushButton* print = Button(tr("Print"), "cmdPrint", this);
  QPushButton* close = Button(tr("Close"), "cmdClose", this);
  QPushButton* help = Button(tr("Help"), "cmdHelp", this);
  print->setEnabled(!App().NoPrinter);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {preview, print, close, help}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(globals);
  layout->addLayout(buttons);
  connect(preview, &QPushButton::clicked, this, [this] { cmdReportClick(true); });
  connect(print, &QPushButton::clicked, this, [this] { cmdReportClick(false); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [] { ShowHelpContext(kHelpContext); });
}

reports::TReportOptions TfrmPrintCalendar::Options() const {
  reports::TReportOptions o;
  o.Kind = reports::TReportKind::MonthCalendar;
  o.CalendarYear = txtYear_->value();
  o.CalendarMonth = cboMonthBox_->currentData().toInt();
  o.CalendarDeptID = cboDeptBox_->currentData().toInt();
  o.OncePerDay = btnOncePerDay_->isChecked();
  return o;
}

void TfrmPrintCalendar::cmdReportClick(bool preview) {
  TfrmABReport report(session_.Data(), Options(), {}, ProgramReportSettings(), App().PrinterName,
                      this);
  if (preview)
    report.Preview();
  else
    report.Print();
}

}  // namespace absence::ui
