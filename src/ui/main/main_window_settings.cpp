// The main window's side of the settings file: reading and writing the preferences, the
// printer check and the window's stored place.
#include <QApplication>
#include <QScreen>

#include "ui/common/app_state.h"
#include "ui/common/printers.h"
#include "ui/common/settings_service.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"

namespace absence::ui {

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
    move(place.Left, place.Top);
    resize(std::max(place.ClientWidth, minimumWidth()),
           std::max(place.ClientHeight, minimumHeight()));
  }
}

void TfrmMain::WriteSettings() {
  TSettings settings = App().Settings;
  if (isMaximized()) {
    settings.StartupState = FormatStartupState(TWindowPlacement{});
  } else {
    // A minimised window is stored at the place it returns to.
    const QRect frame = isMinimized() ? normalGeometry() : geometry();
    const QPoint corner = isMinimized() ? frame.topLeft() : pos();
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
