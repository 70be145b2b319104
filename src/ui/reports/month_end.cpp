// File > Month-End: the month's summary and statements written into one folder.
#include "ui/reports/month_end.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <stdexcept>

#include "dates/dates.h"
#include "render/report_paint.h"
#include "render/report_pdf.h"
#include "reports/selection.h"
#include "reports/summary.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/message_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/reports/report_settings.h"
#include "ui/session/data_session.h"

namespace absence::ui {

QStringList MonthEndFiles(const QString& folder, int year, int month) {
  const QString stem =
      QStringLiteral("%1-%2").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
  const QDir dir(folder);
  return {dir.filePath(QStringLiteral("absence-summary-%1.csv").arg(stem)),
          dir.filePath(QStringLiteral("absence-summary-%1.xlsx").arg(stem)),
          dir.filePath(QStringLiteral("absence-statements-%1.pdf").arg(stem))};
}

TfrmMonthEnd::TfrmMonthEnd(const TDataSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName(QStringLiteral("frmMonthEnd"));
  setWindowTitle(tr("Month-End"));
  SetHelpContext(this, kMonthEndHelpContext);

  const reports::TReportSettings settings = ProgramReportSettings();
  monthBox_ = new QComboBox;
  monthBox_->setObjectName(QStringLiteral("cboMonth"));
  for (const std::string& name : settings.MonthNames)
    monthBox_->addItem(QString::fromStdString(name));
  yearBox_ = new QSpinBox;
  yearBox_->setObjectName(QStringLiteral("txtYear"));
  yearBox_->setRange(1900, 2100);
  // The last complete month.
  const TYMD today = DecodeDate(Today());
  const int month = today.Month == 1 ? 12 : today.Month - 1;
  monthBox_->setCurrentIndex(month - 1);
  yearBox_->setValue(today.Month == 1 ? today.Year - 1 : today.Year);

  folderBox_ = new QLineEdit;
  folderBox_->setObjectName(QStringLiteral("txtFolder"));
  QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (docs.isEmpty() || !QDir(docs).exists()) docs = QDir::homePath();
  folderBox_->setText(QDir::toNativeSeparators(docs));
  browseButton_ = new QPushButton(tr("&Browse..."));
  browseButton_->setObjectName(QStringLiteral("cmdBrowse"));
  browseButton_->setAutoDefault(false);

  delimiterBox_ = new QComboBox;
  delimiterBox_->setObjectName(QStringLiteral("cboDelimiter"));
  delimiterBox_->addItem(tr("Comma"), QVariant(int(',')));
  delimiterBox_->addItem(tr("Semicolon"), QVariant(int(';')));
  delimiterBox_->addItem(tr("Tab"), QVariant(int('\t')));

  auto* monthRow = new QHBoxLayout;
  monthRow->addWidget(monthBox_);
  monthRow->addWidget(yearBox_);
  monthRow->addStretch();
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderBox_, 1);
  folderRow->addWidget(browseButton_);
  auto* form = new QFormLayout;
  form->addRow(tr("&Month:"), monthRow);
  form->addRow(tr("&Folder:"), folderRow);
  form->addRow(tr("CSV &delimiter:"), delimiterBox_);

  writeButton_ = new QPushButton(tr("&Write"));
  writeButton_->setObjectName(QStringLiteral("cmdWrite"));
  writeButton_->setDefault(true);
  closeButton_ = new QPushButton(tr("Close"));
  closeButton_->setObjectName(QStringLiteral("cmdClose"));
  closeButton_->setAutoDefault(false);
  helpButton_ = new QPushButton(tr("&Help"));
  helpButton_->setObjectName(QStringLiteral("cmdHelp"));
  helpButton_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(writeButton_);
  buttons->addWidget(closeButton_);
  buttons->addWidget(helpButton_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
  setMinimumWidth(fontMetrics().averageCharWidth() * 70);

  connect(browseButton_, &QPushButton::clicked, this, &TfrmMonthEnd::cmdBrowseClick);
  connect(writeButton_, &QPushButton::clicked, this, &TfrmMonthEnd::cmdWriteClick);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this,
          [this] { ShowHelpContext(property(kHelpContextProperty).toInt()); });
}

void TfrmMonthEnd::cmdBrowseClick() {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Folder;
  call.Title = tr("Month-End Folder");
  call.InitialName = QDir::fromNativeSeparators(folderBox_->text());
  if (const std::optional<QString> folder = PromptForFile(call))
    folderBox_->setText(QDir::toNativeSeparators(*folder));
}

void TfrmMonthEnd::cmdWriteClick() {
  const QString folder = QDir::fromNativeSeparators(folderBox_->text().trimmed());
  if (folder.isEmpty() || !QDir(folder).exists()) {
    MessageBoxTitled(tr("Please choose an existing folder."), TMsgKind::Information, mbOK);
    folderBox_->setFocus(Qt::OtherFocusReason);
    return;
  }
  const int year = yearBox_->value();
  const int month = monthBox_->currentIndex() + 1;
  const TDate from = EncodeDate(year, month, 1);
  const TDate to = EncodeDate(year, month, DaysInMonth(year, month));
  const QStringList files = MonthEndFiles(folder, year, month);
  try {
    TWaitCursor wait;
    WritePack(files, from, to);
  } catch (const std::exception& e) {
    MessageBoxTitled(QString::fromStdString(e.what()), TMsgKind::Error, mbOK);
    return;
  }
  // The folder once and the names under it: the box shows 255 characters at most.
  QStringList names;
  for (const QString& f : files) names << QFileInfo(f).fileName();
  MessageBoxTitled(tr("The month-end files for %1 %2 are written to %3:\r\r%4")
                       .arg(monthBox_->currentText())
                       .arg(year)
                       .arg(QDir::toNativeSeparators(folder))
                       .arg(names.join(QStringLiteral("\r"))),
                   TMsgKind::Information, mbOK);
}

void TfrmMonthEnd::WritePack(const QStringList& files, TDate from, TDate to) {
  const TDataSet& d = session_.Data();
  const reports::TReportSettings settings = ProgramReportSettings();
  reports::TSelection selection = reports::EmployeeChoices(d.EmpList, settings.EmployeeDisplay);
  reports::TReportOptions options;
  options.Kind = reports::TReportKind::Statement;
  options.SelectFromEmployees = true;
  options.NewPagePerGroup = true;
  options.StartDate = from;
  options.EndDate = to;
  const reports::TReportInput input{d.EmpList, d.DeptList, d.ReasonList, d.GlobalList,
                                    selection, options,    settings};
  const reports::TSummary summary = reports::BuildSummary(input);
  const char delimiter = static_cast<char>(delimiterBox_->currentData().toInt());
  reports::WriteSummaryCsvFile(files[0].toStdString(), summary, delimiter);
  reports::WriteSummaryXlsx(files[1].toStdString(), summary,
                            HourFormatPattern(settings.HourFormat));
  const render::TQtTextMetrics metrics;
  const reports::TDocument doc = reports::RunReport(input, metrics);
  render::WriteReportPdf(doc, files[2],
                         QString::fromStdString(reports::ReportTitle(options.Kind, false)));
}

}  // namespace absence::ui
