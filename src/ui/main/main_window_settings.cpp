// The main window's side of the settings file: reading and writing the preferences, the
// printer check and the window's stored place.
#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"
#include "ui/common/settings_service.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"

namespace absence::ui {
namespace {

// Where a window with the stored `frame` goes: its own corner while part of its top edge (the
// title bar a user drags it by) is on a screen, else the nearest corner that keeps it on the
// primary screen (a monitor unplugged since, a settings file from another machine).
QPoint CornerOnScreen(const QRect& frame) {
  const QRect grip(frame.topLeft(), QSize(frame.width(), Scale(24)));
  const int graspable = std::min(frame.width(), Scale(64));
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersected(grip).width() >= graspable) return frame.topLeft();
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) return frame.topLeft();
  const QRect area = primary->availableGeometry();
  // Too big for the screen: the top left corner shows, the rest runs off.
  const auto fit = [](int at, int size, int first, int room) {
    return std::max(first, std::min(at, first + room - size));
  };
  return {fit(frame.left(), frame.width(), area.left(), area.width()),
          fit(frame.top(), frame.height(), area.top(), area.height())};
}

}  // namespace

void TfrmMain::ReadSettings() {
  TAppState& app = App();
  SettingsService().ReadPreferences();
  app.NoPrinter = AvailablePrinters().isEmpty();
  toolbar_->ArrangeToolbar(app.Settings.ToolCaption, app.Settings.ShowButtonBorder);

  const TWindowPlacement place = ParseStartupState(app.Settings.StartupState);
  if (place.Maximised) {
    if (const QScreen* screen = QApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    setWindowState(windowState() | Qt::WindowMaximized);
  } else {
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    resize(std::max(place.ClientWidth, minimumWidth()),
           std::max(place.ClientHeight, minimumHeight()));
    move(CornerOnScreen(QRect(QPoint(place.Left, place.Top), size())));
  }
}

void TfrmMain::WriteSettings() {
  TSettings settings = App().Settings;
  if (isMaximized()) {
    settings.StartupState = FormatStartupState(TWindowPlacement{});
  } else {
    // A minimised window is stored at the place it returns to.
    const QRect frame = isMinimized() ? normalGeometry() : geometry();
    // Never stored off every screen, where the next start could not be reached.
    const QPoint corner =
        CornerOnScreen(QRect(isMinimized() ? frame.topLeft() : pos(), frame.size()));
    // A window never laid out has no size to keep; it starts maximised next time.
    settings.StartupState =
        frame.isEmpty()
            ? FormatStartupState(TWindowPlacement{})
            : FormatStartupState({false, corner.y(), corner.x(), frame.width(), frame.height()});
  }
  SettingsService().SetPreferences(settings);
  SettingsService().WritePreferences(!App().NoPrinter);
}

}  // namespace absence::ui
