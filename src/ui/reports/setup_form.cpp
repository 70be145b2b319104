// The report setup window.
#include "ui/reports/setup_form.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "reports/page_list.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"

namespace absence::ui {
namespace {

QString PageListMessage(const reports::EPageListError& e, int pageCount) {
  const QString item = QString::fromStdString(e.Item());
  switch (e.Fault()) {
    case reports::TPageListFault::Empty:
      break;
    case reports::TPageListFault::Unreadable:
      return TPVSetupForm::tr(
                 "\"%1\" is neither a page nor a range of pages. Please enter the "
                 "pages to print like this: 1,3-4.")
          .arg(item);
    case reports::TPageListFault::NoSuchPage:
      return TPVSetupForm::tr("The report has no page %1. Please enter pages from 1 to %2.")
          .arg(item)
          .arg(pageCount);
    case reports::TPageListFault::Backwards:
      return TPVSetupForm::tr(
                 "The range %1 ends before it begins. Please enter its first page "
                 "first.")
          .arg(item);
  }
  return TPVSetupForm::tr("Please enter the pages to print, for example 1,3-4.");
}

}  // namespace

QString PrinterCaption(const QString& printer) {
  if (printer.isEmpty()) return TPVSetupForm::tr("No printers installed!");
  QString where = TPVSetupForm::tr("File");
  if (printer != QLatin1String(kPdfPrinterName)) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    where = info.location().isEmpty() ? printer : info.location();
  }
  return TPVSetupForm::tr("%1 on %2").arg(printer, where);
}

TPVSetupForm::TPVSetupForm(int pageCount, const QString& printer, QWidget* parent)
    : QDialog(parent), pageCount_(pageCount), printer_(printer) {
  setWindowTitle(tr("Report Setup"));
  auto* range = new QGroupBox(tr(" Print Range "), this);
  optAll_ = new QRadioButton(tr("All"), range);
  optAll_->setObjectName(QStringLiteral("optAll"));
  optAll_->setChecked(true);
  optSelection_ = new QRadioButton(tr("Selection"), range);
  optSelection_->setObjectName(QStringLiteral("optSelection"));
  txtSelection_ = new QLineEdit(QStringLiteral("1-%1").arg(pageCount), range);
  txtSelection_->setObjectName(QStringLiteral("txtSelection"));
  optPages_ = new QRadioButton(tr("Pages"), range);
  optPages_->setObjectName(QStringLiteral("optPages"));
  txtFrom_ = new QSpinBox(range);
  txtFrom_->setObjectName(QStringLiteral("txtFrom"));
  txtTo_ = new QSpinBox(range);
  txtTo_->setObjectName(QStringLiteral("txtTo"));
  for (QSpinBox* s : {txtFrom_, txtTo_}) s->setRange(1, std::max(1, pageCount));
  txtFrom_->setValue(1);
  txtTo_->setValue(std::max(1, pageCount));
  auto* r = new QGridLayout(range);
  r->addWidget(optAll_, 0, 0);
  r->addWidget(optSelection_, 1, 0);
  r->addWidget(txtSelection_, 1, 1, 1, 3);
  r->addWidget(optPages_, 2, 0);
  r->addWidget(new QLabel(tr("From"), range), 2, 1);
  r->addWidget(txtFrom_, 2, 2);
  r->addWidget(new QLabel(tr("to"), range), 2, 3);
  r->addWidget(txtTo_, 2, 4);

  auto* selected = new QGroupBox(tr(" Selected Printer "), this);
  lblPrinter_ = new QLabel(PrinterCaption(printer), selected);
  lblPrinter_->setObjectName(QStringLiteral("lblPrinter"));
  (new QVBoxLayout(selected))->addWidget(lblPrinter_);

  auto* options = new QGroupBox(tr(" Options "), this);
  txtCopies_ = new QSpinBox(options);
  txtCopies_->setObjectName(QStringLiteral("txtCopies"));
  txtCopies_->setRange(1, 99);
  chkCollate_ = new QCheckBox(tr("Collate"), options);
  chkCollate_->setObjectName(QStringLiteral("chkCollate"));
  chkCollate_->setChecked(true);
  auto* o = new QGridLayout(options);
  o->addWidget(new QLabel(tr("Copies"), options), 0, 0);
  o->addWidget(txtCopies_, 0, 1);
  o->addWidget(chkCollate_, 0, 2);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(!printer.isEmpty());
  connect(buttons, &QDialogButtonBox::accepted, this, &TPVSetupForm::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(range);
  layout->addWidget(selected);
  layout->addWidget(options);
  layout->addWidget(buttons);
}

TPrintChoice TPVSetupForm::Choice() const {
  TPrintChoice c;
  c.Printer = printer_;
  c.Copies = txtCopies_->value();
  c.Collate = chkCollate_->isChecked();
  if (optPages_->isChecked()) {
    c.FromPage = txtFrom_->value();
    c.ToPage = txtTo_->value();
  } else if (optSelection_->isChecked()) {
    c.Pages = selectedPages_;
  }
  return c;
}

void TPVSetupForm::accept() {
  if (optSelection_->isChecked()) {
    try {
      selectedPages_ = reports::ParsePageList(txtSelection_->text().toStdString(), pageCount_);
    } catch (const reports::EPageListError& e) {
      MessageBoxTitled(PageListMessage(e, pageCount_), TMsgKind::Information, mbOK);
      txtSelection_->setFocus();
      txtSelection_->selectAll();
      return;
    }
  }
  QDialog::accept();
}

}  // namespace absence::ui
