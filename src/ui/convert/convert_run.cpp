// Running the import or export of the wizard's last page.
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <climits>

#include "convert/export_run.h"
#include "convert/import_run.h"
#include "convert/text_file.h"
#include "edit/changes.h"
#include "edit/records_copy.h"
#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/message_box.h"
#include "ui/common/page_flow.h"
#include "ui/common/wait_cursor.h"
#include "ui/convert/convert_wizard.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

TMsgKind BoxKind(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Warning:
      return TMsgKind::Warning;
    case TMessageKind::Error:
      return TMsgKind::Error;
    case TMessageKind::Information:
      break;
  }
  return TMsgKind::Information;
}

// The layout chosen in the format box, dates in the date pattern (short years near today),
// hours in the hours pattern, the encoding chosen for an export.
TConvertOptions OptionsFor(int formatIndex, int encodingIndex) {
  constexpr TFileFormat kFormats[] = {TFileFormat::Comma, TFileFormat::Tab, TFileFormat::Fixed};
  TConvertOptions options;
  options.Format = kFormats[std::clamp(formatIndex, 0, 2)];
  options.DatePattern = App().DatePattern.toStdString();
  options.HourFormat = HourFormatPattern(App().Settings.HourFormat);
  options.Encoding = encodingIndex == 1 ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
  options.NearYear = NearYear();
  return options;
}

// The lines an import left out on purpose, said after it ran ("" when there were none).
QString SkippedText(const TImportSummary& s) {
  QStringList parts;
  if (s.CopiesSkipped > 0)
    parts << TfrmConvert::tr(
                 "%1 line(s) repeated an employee's copy of a company-wide entry; the copies stay "
                 "with their global entries.")
                 .arg(s.CopiesSkipped);
  if (s.ExemptionsSkipped > 0)
    parts << TfrmConvert::tr(
                 "%1 line(s) with negative hours were skipped: there is no company-wide entry of "
                 "that reason on that day to exempt the employee from.")
                 .arg(s.ExemptionsSkipped);
  return parts.join(QStringLiteral("\n\n"));
}

}  // namespace

void TfrmConvert::ShowConvertError(const EConvertError& e) {
  progressBar_->setValue(0);
  MessageBoxTitled(QString::fromStdString(e.what()), BoxKind(e.Kind), mbOK);
  fileBox_->setFocus();
}

void TfrmConvert::Progress(int done) {
  progressBar_->setValue(done);
  // Drawn about a hundred times a run, so a long file shows its progress without slowing it.
  const int step = std::max(1, progressBar_->maximum() / 100);
  if (done % step == 0 || done == progressBar_->maximum()) progressBar_->repaint();
}

bool TfrmConvert::RunImport() {
  const TConvertContent content =
      employeesChoice_->isChecked() ? TConvertContent::Employees : TConvertContent::Absences;
  const std::string file = fileBox_->text().toStdString();
  const TConvertOptions options =
      OptionsFor(formatBox_->currentIndex(), encodingBox_->currentIndex());
  const TImportMode mode = replaceChoice_->isChecked() ? TImportMode::Replace : TImportMode::Add;
  TWaitCursor wait;
  const auto progress = [this](int done) { Progress(done); };
  const auto startProgress = [this](std::size_t lines) {
    progressBar_->setRange(0, static_cast<int>(std::clamp<std::size_t>(lines, 1, INT_MAX)));
    progressBar_->setValue(0);
  };
  // The import runs on a copy and replaces the data set as one change, which Undo takes back
  // whole; a faulty line leaves the data set as it was, in both modes.
  TDataSet imported = edit::CloneDataSet(session_.Data());
  TImportSummary summary;
  try {
    if (content == TConvertContent::Employees) {
      const std::vector<std::string> lines = ReadImportLines(file, content);
      startProgress(lines.size());
      summary = ImportEmployees(imported, lines, options, mode, progress);
    } else {
      // An absence file can hold millions of lines: it is read line by line, never whole.
      startProgress(CountImportLines(file, content));
      TImportFile lines(file, content);
      summary = ImportAbsences(imported, lines, options, mode, progress);
    }
  } catch (const EConvertError& e) {
    ShowConvertError(e);
    return false;
  }
  const bool replace = mode == TImportMode::Replace;
  const QString what = content == TConvertContent::Employees
                           ? (replace ? tr("Import employees (replace)") : tr("Import employees"))
                           : (replace ? tr("Import absences (replace)") : tr("Import absences"));
  const std::string words = what.toStdString();
  if (!session_.Submit(std::make_unique<edit::TReplaceDataSet>(std::move(imported), words,
                                                               journal_kind::kImport)))
    return false;
  if (const QString skipped = SkippedText(summary); !skipped.isEmpty())
    MessageBoxTitled(skipped, TMsgKind::Information, mbOK);
  return true;
}

bool TfrmConvert::ReplaceConfirmed() {
  const QString removal = RemovalText(CurrentChoice());
  if (removal.isEmpty()) return true;
  return MessageBoxTitled(removal + tr("  Do you want to continue?"), TMsgKind::Confirmation,
                          mbYes | mbNo) == mbYes;
}

bool TfrmConvert::RunExport() {
  const TConvertOptions options =
      OptionsFor(formatBox_->currentIndex(), encodingBox_->currentIndex());
  TExportRange range;
  if (selectedEntriesChoice_->isChecked())
    range = {false, startDateBox_->Date(), endDateBox_->Date()};
  TWaitCursor wait;
  const TDataSet& dataSet = session_.Data();
  progressBar_->setRange(0, std::max<int>(1, static_cast<int>(dataSet.EmpList.size())));
  progressBar_->setValue(0);
  const auto progress = [this](int done) { Progress(done); };
  try {
    const std::string file = fileBox_->text().toStdString();
    if (employeesChoice_->isChecked())
      WriteExportLines(file, ExportEmployees(dataSet, options, progress));
    else
      WriteAbsenceExport(file, dataSet, options, range, progress);
  } catch (const EConvertError& e) {
    ShowConvertError(e);
    return false;
  }
  return true;
}

void TfrmConvert::AskAnother() {
  const QString question = import_ ? tr("Import complete.  Do you want to Import another file?")
                                   : tr("Export complete.  Do you want to Export another file?");
  if (MessageBoxTitled(question, TMsgKind::Confirmation, mbYes | mbNo) != mbYes) {
    accept();
    return;
  }
  flow_->SetNext(tr("&Next"), true);
  progressBar_->setValue(0);
  flow_->Restart(pgStartup, pgDetails);
}

}  // namespace absence::ui
