#pragma once
// Open and save file dialogs, and the hook through which tests name the file instead of a person.
#include <QString>
#include <functional>
#include <optional>

namespace absence::ui {

enum class TFileDialogKind { Open, Save, Folder };

struct TFileDialogCall {
  TFileDialogKind Kind = TFileDialogKind::Open;
  QString Title;
  QString Filter;  // "Description (*.ext)|*.ext|Any file (*.*)|*.*"
  QString DefaultExt;
  QString InitialName;
  int HelpContext = 0;
  // Save dialogs: a name that does not exist yet is confirmed before it is used, so a mistyped
  // folder or name does not silently create a file somewhere unexpected.
  bool AskBeforeCreating = false;
  QString Folder;  // where the dialog opens; empty: where it opened last
};

// Returns the chosen file, or nothing when the dialog was cancelled. An open dialog only accepts
// an existing file; a save dialog asks before overwriting and appends the default extension.
// With AskBeforeCreating, a new file's name is confirmed (a message box); "No" goes back to the
// dialog (or, with a test hook, counts as cancelled).
std::optional<QString> PromptForFile(const TFileDialogCall& call);

// "Description (*.ext)|*.ext|..." in the form Qt's dialogs take ("Description (*.ext);;...").
QString QtFilter(const QString& filter);

using TFileDialogHook = std::function<std::optional<QString>(const TFileDialogCall&)>;
void SetFileDialogHook(TFileDialogHook hook);

}  // namespace absence::ui
