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

TDialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, int helpContext) {
  const bool column = layout->direction() == QBoxLayout::TopToBottom ||
                      layout->direction() == QBoxLayout::BottomToTop;
  auto* box = new QDialogButtonBox(column ? Qt::Vertical : Qt::Horizontal, dialog);
  box->setObjectName(QStringLiteral("buttonBox"));
  // Our own texts rather than the standard buttons': the dialogs keep their wording (and the
  // translation catalogue holds it).
  TDialogButtons b;
  b.cmdOK = box->addButton(QCoreApplication::translate("TDialogButtons", "OK"),
                           QDialogButtonBox::AcceptRole);
  b.cmdOK->setObjectName(QStringLiteral("cmdOK"));
  b.cmdOK->setDefault(true);
  b.cmdCancel = box->addButton(QCoreApplication::translate("TDialogButtons", "Cancel"),
                               QDialogButtonBox::RejectRole);
  b.cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  b.cmdHelp = box->addButton(QCoreApplication::translate("TDialogButtons", "Help"),
                             QDialogButtonBox::HelpRole);
  b.cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
  b.cmdHelp->setAutoDefault(false);
  layout->addWidget(box);
  // OK is left to the dialog: every dialog checks its fields before it accepts.
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  ConnectHelpButton(b.cmdHelp, helpContext);
  SetHelpContext(dialog, helpContext);
  return b;
}

void TDialogButtons::CreateButtons(QDialog* dialog, QBoxLayout* layout, int helpContext) {
  *this = AddDialogButtons(dialog, layout, helpContext);
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
