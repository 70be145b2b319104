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
  setWindowTitle(tr("Confirm"));
  messageLabel_ = new QLabel;
  messageLabel_->setObjectName(QStringLiteral("lblMessage"));
  messageLabel_->setWordWrap(true);
  auto* question = new QLabel(tr("Do you want to... "));
  removeButton_ = new QRadioButton;
  removeButton_->setObjectName(QStringLiteral("btnRemove"));
  removeButton_->setChecked(true);
  useDateButton_ = new QRadioButton;
  useDateButton_->setObjectName(QStringLiteral("btnUseDate"));
  auto* note = new QLabel(tr("Note:"));
  QFont bold = note->font();
  bold.setBold(true);
  note->setFont(bold);
  auto* noteText =
      new QLabel(tr("If entries are removed they will NOT be available on the Restore Absence "
                    "screen."));
  noteText->setWordWrap(true);
  okButton_ = new QPushButton(tr("OK"));
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  okButton_->setDefault(true);
  cancelButton_ = new QPushButton(tr("Cancel"));
  cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
  cancelButton_->setAutoDefault(false);

  auto* noteRow = new QHBoxLayout;
  noteRow->addWidget(note, 0, Qt::AlignTop);
  noteRow->addWidget(noteText, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* column = new QVBoxLayout(this);
  column->addWidget(messageLabel_);
  column->addWidget(question);
  column->addWidget(removeButton_);
  column->addWidget(useDateButton_);
  column->addLayout(noteRow);
  column->addLayout(buttons);
  setMinimumWidth(Scale(361));

  connect(removeButton_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) useDate_ = false;
  });
  connect(useDateButton_, &QRadioButton::toggled, this, [this](bool on) {
    if (on) useDate_ = true;
  });
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTermDate::showEvent(QShowEvent* event) {
  const QString entryDate = FormatDate(EntryDate, App().DatePattern);
  const QString which = TermDate ? tr("Term Date") : tr("Start Date");
  setWindowTitle(TermDate ? tr("Termination Date Error") : tr("Start Date Error"));
  messageLabel_->setText((Deleted ? tr("This employee has a deleted absence entry")
                                  : tr("This employee has a absence entry")) +
                         (TermDate ? tr(" after the ") : tr(" before the ")) + which +
                         tr(" entered."));
  removeButton_->setText((TermDate ? tr("Remove all entries after the entered ")
                                   : tr("Remove all entries before the entered ")) +
                         which + tr(" (") + TypedDate + tr(")."));
  useDateButton_->setText((TermDate ? tr("Use the date of the last entry (")
                                    : tr("Use the date of the first entry (")) +
                          entryDate + tr(") as the ") + which + tr("."));
  adjustSize();
  QDialog::showEvent(event);
}

}  // namespace absence::ui
