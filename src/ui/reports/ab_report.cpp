// The report window's flows: generate, preview, print.
#include "ui/reports/ab_report.h"

#include "render/report_paint.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/wait_cursor.h"
#include "ui/reports/preview_form.h"
#include "ui/reports/report_print.h"
#include "ui/reports/setup_form.h"

namespace absence::ui {

TfrmABReport::TfrmABReport(const TDataSet& data, reports::TReportOptions options,
                           reports::TSelection selection, reports::TReportSettings settings,
                           QString printerName, QWidget* owner)
    : data_(data),
      options_(options),
      selection_(std::move(selection)),
      settings_(std::move(settings)),
      printerName_(std::move(printerName)),
      owner_(owner) {}

QString TfrmABReport::Title() const {
  return QString::fromStdString(reports::ReportTitle(options_.Kind, options_.InformationList));
}

const reports::TDocument& TfrmABReport::Document() {
  if (!doc_) {
    const TWaitCursor wait;
    const render::TQtTextMetrics metrics;
    settings_.Paper = PrinterPaper(ChoosePrinter(printerName_));
    doc_ = reports::RunReport({data_.EmpList, data_.DeptList, data_.ReasonList, data_.GlobalList,
                               selection_, options_, settings_},
                              metrics);
  }
  return *doc_;
}

void TfrmABReport::Preview() {
  TPVPreviewForm form(
      Document(), [this] { Print(); }, owner_);
  form.setWindowState(Qt::WindowMaximized);
  RunDialog(form);
}

bool TfrmABReport::Print() {
  const reports::TDocument& doc = Document();
  TPVSetupForm setup(static_cast<int>(doc.Pages.size()), ChoosePrinter(printerName_), owner_);
  if (RunDialog(setup) != QDialog::Accepted) return false;
  return PrintReport(doc, setup.Choice(), Title());
}

bool TfrmABReport::PrintDirect() {
  TPrintChoice choice;
  choice.Printer = ChoosePrinter(printerName_);
  return PrintReport(Document(), choice, Title());
}

}  // namespace absence::ui
