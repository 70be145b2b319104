#include "ui/common/init_flags.h"

#include <exception>

#include "data/ini_file.h"
#include "data/settings.h"
#include "ui/common/app_state.h"
#include "ui/common/message_box.h"

namespace absence::ui {

bool ReadInitFlag(const char* key) {
  TIniFile ini(App().IniPath);
  ini.Load();
  return ini.ReadInteger(kInitSection, key, 0) == 1;
}

void WriteInitFlag(const char* key, bool on) {
  TIniFile ini(App().IniPath);
  ini.Load();
  ini.WriteInteger(kInitSection, key, on ? 1 : 0);
  try {
    ini.Save();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
}

}  // namespace absence::ui
