// The entry, restore and preferences dialogs, each suite on its own.
#include <QtTest>

#include "absence_rec_test.h"
#include "preferences_test.h"
#include "suites.h"
#include "ui/common/app_state.h"
#include "undelete_test.h"

namespace {

int RunDialogSuites(int argc, char** argv) {
  absence::ui::InitUiResources();
  using namespace absence::ui::test;
  return RunSuites<AbsenceRecTest, UnDeleteTest, PreferencesTest>(argc, argv);
}

const bool registered [[maybe_unused]] =
    absence::ui::test::RegisterSuite("dialogs", RunDialogSuites);

}  // namespace
