// The maintenance windows, each suite on its own.
#include <QtTest>

#include "maintenance_test.h"
#include "suites.h"
#include "ui/common/app_state.h"

namespace {

int RunMaintenanceSuites(int argc, char** argv) {
  absence::ui::InitUiResources();
  using namespace absence::ui::test;
  return RunSuites<DeptWindowTest, ReasonsWindowTest, EmpWindowTest>(argc, argv);
}

const bool registered [[maybe_unused]] =
    absence::ui::test::RegisterSuite("maintenance", RunMaintenanceSuites);

}  // namespace
