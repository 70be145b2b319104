#include "ui/main/entry_change.h"

#include "data/types.h"
#include "ui/common/message_box.h"

namespace absence::ui {

bool ChangeEntries(const std::function<void()>& change) {
  try {
    change();
    return true;
  } catch (const EHoursRangeError& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
    return false;
  }
}

}  // namespace absence::ui
