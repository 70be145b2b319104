#include "ui/common/file_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

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

std::optional<QString> PromptForFile(const TFileDialogCall& call) {
  if (g_hook) return g_hook(call);
  QFileDialog dialog(QApplication::activeWindow(), call.Title);
  dialog.setNameFilter(QtFilter(call.Filter));
  dialog.setDefaultSuffix(call.DefaultExt);
  const bool save = call.Kind == TFileDialogKind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!call.InitialName.contains(u'*')) dialog.selectFile(call.InitialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

}  // namespace absence::ui
