#include "ui/common/file_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QStringList>

#include "ui/common/help_key.h"
#include "ui/common/message_box.h"

namespace absence::ui {
namespace {
TFileDialogHook g_hook;
}

void SetFileDialogHook(TFileDialogHook hook) {
  g_hook = std::move(hook);
}

QString QtFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList entries;
  for (qsizetype i = 0; i < parts.size(); i += 2) entries << parts[i];
  return entries.join(QStringLiteral(";;"));
}

namespace {

std::optional<QString> RunFileDialog(const TFileDialogCall& call) {
  QFileDialog dialog(QApplication::activeWindow(), call.Title);
  dialog.setNameFilter(QtFilter(call.Filter));
  dialog.setDefaultSuffix(call.DefaultExt);
  const bool save = call.Kind == TFileDialogKind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (call.Kind == TFileDialogKind::Folder) {
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDirectory(call.InitialName);
  } else if (!call.Folder.isEmpty()) {
    dialog.setDirectory(call.Folder);
  }
  if (call.Kind != TFileDialogKind::Folder && !call.InitialName.contains(u'*'))
    dialog.selectFile(call.InitialName);
  if (call.HelpContext > 0) {
    // The desktop's own dialog takes no extra buttons; Qt's own one does.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetHelpContext(&dialog, call.HelpContext);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
      QPushButton* help = buttons->addButton(QCoreApplication::translate("TFileDialogs", "&Help"),
                                             QDialogButtonBox::HelpRole);
      help->setObjectName(QStringLiteral("cmdHelp"));
      help->setAutoDefault(false);
      ConnectHelpButton(help, call.HelpContext);
    }
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

bool ConfirmCreating(const QString& file) {
  return MessageBoxTitled(
             QCoreApplication::translate("TFileDialogs",
                                         "%1\rThis file does not exist.\rDo you want to create it?")
                 .arg(QDir::toNativeSeparators(file)),
             TMsgKind::Confirmation, mbYes | mbNo) == mbYes;
}

}  // namespace

std::optional<QString> PromptForFile(const TFileDialogCall& call) {
  const bool asks = call.Kind == TFileDialogKind::Save && call.AskBeforeCreating;
  for (;;) {
    const std::optional<QString> file = g_hook ? g_hook(call) : RunFileDialog(call);
    if (!file || !asks || QFileInfo::exists(*file) || ConfirmCreating(*file)) return file;
    if (g_hook) return std::nullopt;
  }
}

}  // namespace absence::ui
