#include "ui/common/init_flags.h"

#include "ui/common/settings_service.h"

namespace absence::ui {

bool ReadInitFlag(const char* key) {
  return SettingsService().Flag(key);
}

void WriteInitFlag(const char* key, bool on) {
  SettingsService().SetFlag(key, on);
}

}  // namespace absence::ui
