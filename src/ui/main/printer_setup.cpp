#include "ui/main/printer_setup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/dialog_buttons.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"

namespace absence::ui {

TfrmPrinterSetup::TfrmPrinterSetup(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPrinterSetup"));
  setWindowTitle(tr("Printer Setup"));
  printerBox_ = new QComboBox;
  printerBox_->setObjectName(QStringLiteral("cboPrinter"));
  printerBox_->addItems(AvailablePrinters());
  printerBox_->setMinimumWidth(Scale(220));
  auto* orientation = new QGroupBox(tr("Orientation"));
  portrait_ = new QRadioButton(tr("P&ortrait"));
  portrait_->setObjectName(QStringLiteral("btnPortrait"));
  landscape_ = new QRadioButton(tr("&Landscape"));
  landscape_->setObjectName(QStringLiteral("btnLandscape"));
  // The month calendar's grid only fits across a landscape page.
  auto* note = new QLabel(
      tr("Lists and reports print in this orientation; the month calendar always prints in "
         "landscape."));
  note->setObjectName(QStringLiteral("lblOrientationNote"));
  note->setWordWrap(true);
  auto* radios = new QVBoxLayout(orientation);
  radios->addWidget(portrait_);
  radios->addWidget(landscape_);
  radios->addWidget(note);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(tr("&Printer:"), printerBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(orientation);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  portrait_->setChecked(true);
}

void TfrmPrinterSetup::SetChoice(const QString& printerName, TOrientation orientation) {
  const int at = printerBox_->findText(printerName);
  printerBox_->setCurrentIndex(at >= 0 ? at : 0);
  (orientation == TOrientation::Portrait ? portrait_ : landscape_)->setChecked(true);
}

QString TfrmPrinterSetup::PrinterName() const {
  return printerBox_->currentText();
}

TOrientation TfrmPrinterSetup::Orientation() const {
  return landscape_->isChecked() ? TOrientation::Landscape : TOrientation::Portrait;
}

bool PrinterSetup(QString& printerName, TOrientation& orientation, QWidget* parent) {
  TfrmPrinterSetup dlg(parent);
  dlg.SetChoice(printerName, orientation);
  if (RunDialog(dlg) != QDialog::Accepted || dlg.PrinterName().isEmpty()) return false;
  printerName = dlg.PrinterName();
  orientation = dlg.Orientation();
  return true;
}

}  // namespace absence::ui
