#include "ui/common/app_state.h"

#include <QtGlobal>

static void InitAbsenceResources() {
  Q_INIT_RESOURCE(absence);
}

namespace absence::ui {

TAppState& App() {
  static TAppState state;
  return state;
}

void InitUiResources() {
  InitAbsenceResources();
}

}  // namespace absence::ui
