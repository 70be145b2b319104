// The main window's side of the settings file: reading and writing the preferences, the
// printer check and the window's stored place.
#include <QApplication>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "ui/common/app_state.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"
#include "ui/common/settings_service.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"

namespace absence::ui {
namespace {

// True when a screen shows enough of the frame's top edge, the title bar a user drags a window
// by, for the window to be reached.
bool Reachable(const QRect& frame) {
  const QRect grip(frame.topLeft(), QSize(frame.width(), std::min(frame.height(), Scale(24))));
  const int graspable = std::min(frame.width(), Scale(64));
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen->availableGeometry().intersected(grip).width() >= graspable) return true;
  return false;
}

// The screen whose free area lies nearest to `frame`, the primary screen first among equals.
const QScreen* NearestScreen(const QRect& frame) {
  QScreen* nearest = QGuiApplication::primaryScreen();
  long long best = std::numeric_limits<long long>::max();
  QList<QScreen*> screens = QGuiApplication::screens();
  if (nearest) screens.prepend(nearest);
  for (QScreen* screen : screens) {
    const QRect area = screen->availableGeometry();
    const long long dx = std::max({0, area.left() - frame.right(), frame.left() - area.right()});
    const long long dy = std::max({0, area.top() - frame.bottom(), frame.top() - area.bottom()});
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      nearest = screen;
    }
  }
  return nearest;
}

// The corner that puts the whole `frame` (title bar and borders included) onto the free area of
// the nearest screen. A frame larger than the screen shows its top left corner.
QPoint FitOnScreen(const QRect& frame) {
  const QScreen* screen = NearestScreen(frame);
  if (!screen) return frame.topLeft();
  const QRect area = screen->availableGeometry();
  const auto fit = [](int at, int size, int first, int room) {
    return std::max(first, std::min(at, first + room - size));
  };
  return {fit(frame.left(), frame.width(), area.left(), area.width()),
          fit(frame.top(), frame.height(), area.top(), area.height())};
}

// Where a window with `frame` goes: where it is while it can be reached, else onto the nearest
// screen (a monitor unplugged since, a settings file from another machine).
QPoint CornerOnScreen(const QRect& frame) {
  return Reachable(frame) ? frame.topLeft() : FitOnScreen(frame);
}

}  // namespace

void TfrmMain::KeepOnScreen() {
  const QRect frame = frameGeometry();
  // A window moved before it was shown is fitted again once its frame (the title bar and
  // borders the system adds) is known.
  const bool refit = refitWhenShown_ && isVisible();
  if (isVisible()) refitWhenShown_ = false;
  const QPoint corner = refit ? FitOnScreen(frame) : CornerOnScreen(frame);
  if (corner == frame.topLeft()) return;
  move(corner);
  if (!isVisible()) refitWhenShown_ = true;
}

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
    move(place.Left, place.Top);
    KeepOnScreen();
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
    const QRect outer = isMinimized() ? frame : frameGeometry();
    const QPoint corner = CornerOnScreen(outer);
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
