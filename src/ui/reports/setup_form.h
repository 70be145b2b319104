#pragma once
// The report setup window of the print flow: the print range, the printer and the copies.
#include <QDialog>
#include <vector>

#include "ui/reports/report_print.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace absence::ui {

class TPVSetupForm : public QDialog {
  Q_OBJECT

 public:
  TPVSetupForm(int pageCount, const QString& printer, QWidget* parent = nullptr);
  // The choice made; for "Selection" the pages of the page list ("1,3-4"), read on OK.
  TPrintChoice Choice() const;

 public slots:
  // Refuses a page list it cannot read with a message, the list box focused; else closes.
  void accept() override;

 private:
  int pageCount_;
  QString printer_;
  QRadioButton* optAll_;
  QRadioButton* optSelection_;
  QRadioButton* optPages_;
  QLineEdit* txtSelection_;
  QSpinBox* txtFrom_;
  QSpinBox* txtTo_;
  QLabel* lblPrinter_;
  QSpinBox* txtCopies_;
  QCheckBox* chkCollate_;
  std::vector<int> selectedPages_;
};

// "%s on %s": the printer and where it is; "No printers installed!" without one.
QString PrinterCaption(const QString& printer);

}  // namespace absence::ui
