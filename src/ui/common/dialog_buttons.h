#pragma once
// The OK, Cancel and Help buttons of a dialog: OK is the default (Enter), Cancel answers Escape,
// Help opens the dialog's topic, which F1 opens too.
#include <QBoxLayout>
#include <functional>

class QDialog;
class QPushButton;

namespace absence::ui {

// A dialog holding the three buttons derives from this; its code and the tests reach them
// through the accessors (object names "cmdOK", "cmdCancel", "cmdHelp").
class TDialogButtons {
 public:
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  QPushButton* HelpButton() const { return help_; }

 protected:
  // Creates the three buttons in a button box ("buttonBox") added to `layout`, a row or a
  // column as the layout runs; Cancel rejects `dialog`. OK is left to the dialog to connect,
  // because every dialog checks its fields first.
  void CreateButtons(QDialog* dialog, QBoxLayout* layout, int helpContext);

 private:
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QPushButton* help_ = nullptr;
};

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
