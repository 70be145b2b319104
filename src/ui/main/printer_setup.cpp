#include "ui/main/printer_setup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/dialog_buttons.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"

namespace absence::ui {

TfrmPrinterSetup::TfrmPrinterSetup(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPrinterSetup"));
  setWindowTitle(QStringLiteral("Printer Setup"));
  cboPrinter = new QComboBox;
  cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
  cboPrinter->addItems(AvailablePrinters());
  cboPrinter->setMinimumWidth(Scale(220));
  auto* orientation = new QGroupBox(QStringLiteral("Orientation"));
  btnPortrait = new QRadioButton(QStringLiteral("P&ortrait"));
  btnPortrait->setObjectName(QStringLiteral("btnPortrait"));
  btnLandscape = new QRadioButton(QStringLiteral("&Landscape"));
  btnLandscape->setObjectName(QStringLiteral("btnLandscape"));
  auto* radios = new QVBoxLayout(orientation);
  radios->addWidget(btnPortrait);
  radios->addWidget(btnLandscape);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  cmdOK = buttons->button(QDialogButtonBox::Ok);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdCancel = buttons->button(QDialogButtonBox::Cancel);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Printer:"), cboPrinter);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(orientation);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  btnPortrait->setChecked(true);
}

void TfrmPrinterSetup::SetChoice(const QString& printerName, TOrientation orientation) {
  const int at = cboPrinter->findText(printerName);
  cboPrinter->setCurrentIndex(at >= 0 ? at : 0);
  (orientation == TOrientation::Portrait ? btnPortrait : btnLandscape)->setChecked(true);
}

QString TfrmPrinterSetup::PrinterName() const {
  return cboPrinter->currentText();
}

TOrientation TfrmPrinterSetup::Orientation() const {
  return btnLandscape->isChecked() ? TOrientation::Landscape : TOrientation::Portrait;
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
