#include "ui/common/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <utility>
#include <vector>

#include "ui/common/help.h"
#include "version.h"

namespace absence::ui {
namespace {

// Held in a function so that a hook installed while other files are initialised stays.
TMessageBoxHook& Hook() {
  static TMessageBoxHook hook;
  return hook;
}

struct TButtonInfo {
  TMsgButton Button;
  const char* Caption;
  QMessageBox::ButtonRole Role;
};

constexpr std::array<TButtonInfo, 10> kButtons = {{
    {mbYes, QT_TRANSLATE_NOOP("TMessageBox", "&Yes"), QMessageBox::YesRole},
    {mbNo, QT_TRANSLATE_NOOP("TMessageBox", "&No"), QMessageBox::NoRole},
    {mbOK, QT_TRANSLATE_NOOP("TMessageBox", "OK"), QMessageBox::AcceptRole},
    {mbCancel, QT_TRANSLATE_NOOP("TMessageBox", "Cancel"), QMessageBox::RejectRole},
    {mbAbort, QT_TRANSLATE_NOOP("TMessageBox", "&Abort"), QMessageBox::RejectRole},
    {mbRetry, QT_TRANSLATE_NOOP("TMessageBox", "&Retry"), QMessageBox::AcceptRole},
    {mbIgnore, QT_TRANSLATE_NOOP("TMessageBox", "&Ignore"), QMessageBox::AcceptRole},
    {mbAll, QT_TRANSLATE_NOOP("TMessageBox", "&All"), QMessageBox::AcceptRole},
    {mbNoToAll, QT_TRANSLATE_NOOP("TMessageBox", "N&o to All"), QMessageBox::NoRole},
    {mbYesToAll, QT_TRANSLATE_NOOP("TMessageBox", "Yes to &All"), QMessageBox::YesRole},
}};

QMessageBox::Icon IconOf(TMsgKind kind) {
  switch (kind) {
    case TMsgKind::Warning:
      return QMessageBox::Warning;
    case TMsgKind::Error:
      return QMessageBox::Critical;
    case TMsgKind::Information:
      return QMessageBox::Information;
    case TMsgKind::Confirmation:
      return QMessageBox::Question;
    case TMsgKind::Custom:
      break;
  }
  return QMessageBox::NoIcon;
}

QWidget* OwnerWindow() {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

}  // namespace

void SetMessageBoxHook(TMessageBoxHook hook) {
  Hook() = std::move(hook);
}

namespace {

TMsgButton ShowBox(TMessageBoxCall call) {
  if (call.HelpContext > 0) call.Buttons |= mbHelp;
  // A splash stays on top of every window and would hide the box and its buttons.
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowType() == Qt::SplashScreen && w->isVisible()) w->hide();
  if (Hook()) return Hook()(call);

  const TMsgKind kind = call.Kind;
  const int helpContext = call.HelpContext;
  QMessageBox box(IconOf(kind), call.Title, QString(call.Text).replace(u'\r', u'\n'),
                  QMessageBox::NoButton, OwnerWindow());
  if (!call.Details.isEmpty()) box.setDetailedText(QString(call.Details).replace(u'\r', u'\n'));
  std::vector<std::pair<QAbstractButton*, TMsgButton>> shown;
  for (const TButtonInfo& info : kButtons)
    if (call.Buttons & info.Button)
      shown.emplace_back(
          box.addButton(QCoreApplication::translate("TMessageBox", info.Caption), info.Role),
          info.Button);
  if (shown.empty())
    shown.emplace_back(
        box.addButton(QCoreApplication::translate("TMessageBox", "OK"), QMessageBox::AcceptRole),
        mbOK);
  QPushButton* help = nullptr;
  if (helpContext > 0)
    help =
        box.addButton(QCoreApplication::translate("TMessageBox", "&Help"), QMessageBox::HelpRole);
  for (;;) {
    box.exec();
    // The help viewer opens modally on top; the question is asked again when it closes.
    if (help && box.clickedButton() == help) {
      ShowHelpContext(helpContext, /*modal=*/true);
      continue;
    }
    break;
  }
  for (const auto& [button, answer] : shown)
    if (button == box.clickedButton()) return answer;
  // Closed by Escape or the title bar: the box's cancelling answer.
  if (call.Buttons & mbCancel) return mbCancel;
  if (call.Buttons & mbNo) return mbNo;
  return shown.front().second;
}

}  // namespace

TMsgButton MessageBoxTitled(const QString& text, TMsgKind kind, TMsgButtons buttons,
                            int helpContext) {
  // An error names what the user must act on (a path, a file name), often at its end.
  const QString boxText = kind == TMsgKind::Error ? text : text.left(kMaxMessageLength);
  return ShowBox(
      {boxText, kind, buttons, helpContext, QString::fromLatin1(version::ProductName), {}});
}

TMsgButton MessageBoxWhole(const QString& text, TMsgKind kind, TMsgButtons buttons,
                           const QString& details) {
  return ShowBox({text, kind, buttons, 0, QString::fromLatin1(version::ProductName), details});
}

void ShowErrorBox(const QString& text) {
  MessageBoxTitled(text, TMsgKind::Error, mbOK);
}

}  // namespace absence::ui
