#pragma once
// The OK, Cancel and Help buttons of a dialog: OK is the default (Enter), Cancel answers Escape,
// Help opens the dialog's topic, which F1 opens too.
#include <QBoxLayout>
#include <functional>

class QDialog;
class QPushButton;

namespace absence::ui {

// A dialog holding the three buttons derives from this, so tests and its code reach them by
// name.
struct TDialogButtons {
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdHelp = nullptr;

 protected:
  // AddDialogButtons into these members.
  void CreateButtons(QDialog* dialog, QBoxLayout* layout, int helpContext);
};

// Creates the three buttons in a button box ("buttonBox") added to `layout`, a row or a column
// as the layout runs; Cancel rejects `dialog`. OK is left to the caller to connect, because
// every dialog checks its fields first.
TDialogButtons AddDialogButtons(QDialog* dialog, QBoxLayout* layout, int helpContext);

// Runs `dialog` modally and returns its result. While a test hook is set, the hook gets the
// prepared dialog instead and drives it (events, accept or reject); its result is returned.
int RunDialog(QDialog& dialog);
using TDialogHook = std::function<void(QDialog&)>;
void SetDialogHook(TDialogHook hook);

// The normal pointer while a dialog is shown over a command's wait cursor; the caller's cursor
// is left as it was found.
class TNormalCursor {
 public:
  void Shown();
  void Hidden();
  ~TNormalCursor() { Hidden(); }

 private:
  bool pushed_ = false;
};

}  // namespace absence::ui
