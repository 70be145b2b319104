#pragma once
// Modal message boxes with the application's title, and the hook through which tests answer
// them instead of a person.
#include <QString>
#include <functional>

class QWidget;

namespace absence::ui {

enum class TMsgKind { Warning, Error, Information, Confirmation, Custom };

// Buttons, in the order they appear.
enum TMsgButton : unsigned {
  mbNone = 0,
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
  mbNoToAll = 1u << 8,
  mbYesToAll = 1u << 9,
  mbHelp = 1u << 10,
};
using TMsgButtons = unsigned;

inline constexpr int kMaxMessageLength = 255;

struct TMessageBoxCall {
  QString Text;  // as given, with "\r" line breaks
  TMsgKind Kind = TMsgKind::Information;
  TMsgButtons Buttons = mbOK;
  int HelpContext = 0;
  QString Title;
  QString Details;  // shown under the text in a scrolling area ("\r" line breaks)
};

// Shows the box and returns the button pressed. The text is cut to 255 characters, except in an
// error box, which is shown whole. A Help button is added when helpContext > 0; it opens that
// help topic.
TMsgButton MessageBoxTitled(const QString& text, TMsgKind kind, TMsgButtons buttons,
                            int helpContext = 0);

// As MessageBoxTitled, but the text is shown whole, and `details` (a long list, say) in a
// scrolling area below it.
TMsgButton MessageBoxWhole(const QString& text, TMsgKind kind, TMsgButtons buttons,
                           const QString& details = QString());

// The application's general error box for failures that end an operation.
void ShowErrorBox(const QString& text);

// While set, every box is handed to the hook, which returns the answer; nothing is shown.
using TMessageBoxHook = std::function<TMsgButton(const TMessageBoxCall&)>;
void SetMessageBoxHook(TMessageBoxHook hook);

}  // namespace absence::ui
