#pragma once
// The report window: generates one report with the real fonts, then previews or prints it.
#include <QString>
#include <optional>

#include "data/dataset.h"
#include "reports/report.h"

class QWidget;

namespace absence::ui {

class TfrmABReport {
 public:
  TfrmABReport(const TDataSet& data, reports::TReportOptions options, reports::TSelection selection,
               reports::TReportSettings settings, QString printerName, QWidget* owner);

  // The pages, generated on first use.
  const reports::TDocument& Document();
  QString Title() const;
  // The preview, modal and maximized; its Print runs the print flow.
  void Preview();
  // The setup window, then, only on OK, the pages chosen; true when something was printed.
  bool Print();
  // Every page once on the chosen printer, with no setup window; true when something was printed.
  bool PrintDirect();

 private:
  const TDataSet& data_;
  reports::TReportOptions options_;
  reports::TSelection selection_;
  reports::TReportSettings settings_;
  QString printerName_;
  QWidget* owner_;
  std::optional<reports::TDocument> doc_;
};

}  // namespace absence::ui
