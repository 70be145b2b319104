// The main window's side of the settings file: reading and writing the preferences, the
// printer check and the window's stored place.
#include <QApplication>
#include <QScreen>

#include "data/ini_file.h"
#include "ui/common/app_state.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"
#include "ui/common/version_info.h"
#include "ui/main/main_toolbar.h"
#include "ui/main/main_window.h"

namespace absence::ui {
namespace {

void SaveIni(const TIniFile& ini) {
  try {
    ini.Save();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
}

QString FolderWithoutSeparator(const std::string& folder) {
  QString f = QString::fromStdString(folder);
  while (f.size() > 1 && f.endsWith(u'/')) f.chop(1);
  return f;
}

}  // namespace

void TfrmMain::ReadSettings() {
  TAppState& app = App();
  TIniFile ini(app.IniPath);
  ini.Load();
  ReadIniSettings(ini, ProductSection().toStdString(), ScreenResolution(), app.Settings);
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

  try {
    ini.WriteString(kInitSection, kAppPathKey, FolderWithoutSeparator(app.AppFolder).toStdString());
  } catch (const EIniValueError&) {
    // Only other tools read this key; a folder name with a line break is left out.
    ini.DeleteKey(kInitSection, kAppPathKey);
  }
  SaveIni(ini);
}

void TfrmMain::WriteSettings() {
  TAppState& app = App();
  if (isMaximized()) {
    app.Settings.StartupState = FormatStartupState(TWindowPlacement{});
  } else {
    // A minimised window is stored at the place it returns to.
    const QRect frame = isMinimized() ? normalGeometry() : geometry();
    const QPoint corner = isMinimized() ? frame.topLeft() : pos();
    app.Settings.StartupState =
        FormatStartupState({false, corner.y(), corner.x(), frame.width(), frame.height()});
  }
  TIniFile ini(app.IniPath);
  ini.Load();
  WriteIniSettings(ini, app.Settings, !app.NoPrinter);
  SaveIni(ini);
}

}  // namespace absence::ui
