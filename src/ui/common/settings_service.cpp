#include "ui/common/settings_service.h"

#include <exception>

#include "ui/common/app_state.h"
#include "ui/common/message_box.h"
#include "ui/common/scale.h"
#include "ui/common/version_info.h"

namespace absence::ui {
namespace {

QString FolderWithoutSeparator(const std::string& folder) {
  QString f = QString::fromStdString(folder);
  while (f.size() > 1 && f.endsWith(u'/')) f.chop(1);
  return f;
}

}  // namespace

const TSettings& TSettingsService::Values() const {
  return App().Settings;
}

TSettingsFile& TSettingsService::File() {
  if (!file_.Loaded() || file_.Path() != App().IniPath) {
    file_ = TSettingsFile(App().IniPath);
    file_.Load();
  }
  return file_;
}

void TSettingsService::Save() {
  try {
    File().Save();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
}

void TSettingsService::Announce(const TSettings& before) {
  for (const TSettingId id : ChangedSettings(before, App().Settings)) emit valueChanged(id);
}

void TSettingsService::ReadPreferences() {
  Reload();
  TSettingsFile& file = File();
  const TSettings before = App().Settings;
  App().Settings = file.ReadPreferences(ScreenResolution(), ProductSection().toStdString());
  file.SetAppPath(FolderWithoutSeparator(App().AppFolder).toStdString());
  Save();
  Announce(before);
}

void TSettingsService::SetPreferences(const TSettings& values) {
  CheckSettings(values);
  const TSettings before = App().Settings;
  App().Settings = values;
  Announce(before);
}

void TSettingsService::WritePreferences(bool writePrinter) {
  File().WritePreferences(App().Settings, writePrinter);
  Save();
}

bool TSettingsService::Flag(const char* key) {
  return File().Flag(key);
}

void TSettingsService::SetFlag(const char* key, bool on) {
  File().SetFlag(key, on);
  Save();
}

QString TSettingsService::ColumnWidths(const QString& key) {
  return QString::fromStdString(
      File().ColumnWidths(ProductSection().toStdString(), key.toStdString()));
}

void TSettingsService::SetColumnWidths(const QString& key, const QString& widths) {
  File().SetColumnWidths(ProductSection().toStdString(), key.toStdString(), widths.toStdString());
  Save();
}

void TSettingsService::Reload() {
  file_ = TSettingsFile();
}

TSettingsService& SettingsService() {
  static TSettingsService service;
  return service;
}

}  // namespace absence::ui
