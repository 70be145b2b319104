#include "ui/main/dialog_buttons.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "ui/common/help_key.h"

namespace absence::ui {
namespace {
TDialogHook g_dialogHook;
}

TDialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, int helpContext) {
  TDialogButtons b;
  b.cmdOK = new QPushButton(QStringLiteral("OK"), dialog);
  b.cmdOK->setObjectName(QStringLiteral("cmdOK"));
  b.cmdOK->setDefault(true);
  b.cmdCancel = new QPushButton(QStringLiteral("Cancel"), dialog);
  b.cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  b.cmdHelp = new QPushButton(QStringLiteral("Help"), dialog);
  b.cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
  b.cmdHelp->setAutoDefault(false);
  layout->addWidget(b.cmdOK);
  layout->addWidget(b.cmdCancel);
  layout->addWidget(b.cmdHelp);
  QObject::connect(b.cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);
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
