#include "ui/maintenance/term_date.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/scale.h"

namespace absence::ui {

TfrmTermDate::TfrmTermDate(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmTermDate"));
  setWindowTitle(QStringLiteral("Confirm"));
  lblMessage = new QLabel;
  lblMessage->setObjectName(QStringLiteral("lblMessage"));
  lblMessage->setWordWrap(true);
  auto* question = new QLabel(QStringLiteral("Do you want to... "));
  btnRemove = new QRadioButton;
  btnRemove->setObjectName(QStringLiteral("btnRemove"));
  btnRemove->setChecked(true);
  btnUseDate = new QRadioButton;
  btnUseDate->setObjectName(QStringLiteral("btnUseDate"));
  auto* note = new QLabel(QStringLiteral("Note:"));
  QFont bold = note->font();
  bold.setBold(true);
  note->setFont(bold);
  auto* noteText = new QLabel(
      QStringLiteral("If entries are removed they will NOT be available on the Restore Absence "
                     "screen."));
  noteText->setWordWrap(true);
  cmdOK = new QPushButton(QStringLiteral("OK"));
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"));
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setAutoDefault(false);

  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(note, 0, Qt::AlignTop);
  noteRow->addWidget(noteText, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* column = new QVBoxLayout(this);
  column->addWidget(lblMessage);
  column->addWidget(question);
  column->addWidget(btnRemove);
  column->addWidget(btnUseDate);
  column->addLayout(noteRow);
  column->addLayout(buttons);
  setMinimumWidth(Scale(361));

  connect(btnRemove, &QRadioButton::toggled, this, [this](bool on) {
    if (on) useDate_ = false;
  });
  connect(btnUseDate, &QRadioButton::toggled, this, [this](bool on) {
    if (on) useDate_ = true;
  });
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTermDate::showEvent(QShowEvent* event) {
  const QString entryDate = FormatDate(EntryDate, App().DatePattern);
  const QString which = TermDate ? QStringLiteral("Term Date") : QStringLiteral("Start Date");
  setWindowTitle(TermDate ? QStringLiteral("Termination Date Error")
                          : QStringLiteral("Start Date Error"));
  lblMessage->setText((Deleted ? QStringLiteral("This employee has a deleted absence entry")
                               : QStringLiteral("This employee has a absence entry")) +
                      (TermDate ? QStringLiteral(" after the ") : QStringLiteral(" before the ")) +
                      which + QStringLiteral(" entered."));
  btnRemove->setText((TermDate ? QStringLiteral("Remove all entries after the entered ")
                               : QStringLiteral("Remove all entries before the entered ")) +
                     which + QStringLiteral(" (") + TypedDate + QStringLiteral(")."));
  btnUseDate->setText((TermDate ? QStringLiteral("Use the date of the last entry (")
                                : QStringLiteral("Use the date of the first entry (")) +
                      entryDate + QStringLiteral(") as the ") + which + QStringLiteral("."));
  adjustSize();
  QDialog::showEvent(event);
}

}  // namespace absence::ui
