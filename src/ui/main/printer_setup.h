#pragma once
// The printer setup dialog: which of the offered printers the program prints on ("PDF file" is
// always one of them) and the page orientation.
#include <QDialog>

#include "data/settings.h"

class QComboBox;
class QRadioButton;

namespace absence::ui {

class TfrmPrinterSetup : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmPrinterSetup(QWidget* parent = nullptr);

  // Selects `printerName` (the first printer when it is not offered) and the orientation.
  void SetChoice(const QString& printerName, TOrientation orientation);
  QString PrinterName() const;
  TOrientation Orientation() const;

 private:
  QComboBox* printerBox_ = nullptr;
  QRadioButton* portrait_ = nullptr;
  QRadioButton* landscape_ = nullptr;
};

// Shows the dialog for `printerName` and `orientation`; on OK both take the choice and the result
// is true.
bool PrinterSetup(QString& printerName, TOrientation& orientation, QWidget* parent);

}  // namespace absence::ui
