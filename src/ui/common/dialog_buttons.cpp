#include "ui/common/dialog_buttons.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/common/help_key.h"

namespace absence::ui {
namespace {
TDialogHook g_dialogHook;
}

void TDialogButtons::CreateButtons(QDialog* dialog, QBoxLayout* layout, int helpContext) {
  const bool column = layout->direction() == QBoxLayout::TopToBottom ||
                      layout->direction() == QBoxLayout::BottomToTop;
  auto* box = new QDialogButtonBox(column ? Qt::Vertical : Qt::Horizontal, dialog);
  box->setObjectName(QStringLiteral("buttonBox"));
  // Our own texts rather than the standard buttons': the dialogs keep their wording (and the
  // translation catalogue holds it).
  ok_ = box->addButton(QCoreApplication::translate("TDialogButtons", "OK"),
                       QDialogButtonBox::AcceptRole);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  cancel_ = box->addButton(QCoreApplication::translate("TDialogButtons", "Cancel"),
                           QDialogButtonBox::RejectRole);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  help_ = box->addButton(QCoreApplication::translate("TDialogButtons", "Help"),
                         QDialogButtonBox::HelpRole);
  help_->setObjectName(QStringLiteral("cmdHelp"));
  help_->setAutoDefault(false);
  layout->addWidget(box);
  // OK is left to the dialog: every dialog checks its fields before it accepts.
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  ConnectHelpButton(help_, helpContext);
  SetHelpContext(dialog, helpContext);
}

int RunDialog(QDialog& dialog) {
  if (!g_dialogHook) return dialog.exec();
  g_dialogHook(dialog);
  return dialog.result();
}

void SetDialogHook(TDialogHook hook) {
  g_dialogHook = std::move(hook);
}

void TNormalCursor::Shown() {
  if (!pushed_ && QApplication::overrideCursor()) {
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    pushed_ = true;
  }
}

void TNormalCursor::Hidden() {
  if (pushed_) QApplication::restoreOverrideCursor();
  pushed_ = false;
}

}  // namespace absence::ui
