#pragma once
// Every window test suite lives in one program, so the window library is linked once; the
// program's first argument names the suite to run, and CTest gives each suite its own entry.
#include <QtTest>

namespace absence::ui::test {

using TSuiteRun = int (*)(int argc, char** argv);

// Adds a suite under `name`; called from each suite's file before main runs.
bool RegisterSuite(const char* name, TSuiteRun run);

template <class Test>
int RunSuite(int argc, char** argv) {
  Test test;
  return QTest::qExec(&test, argc, argv);
}

// Runs the test classes one after another with the same arguments; 0 when every one passed.
template <class... Tests>
int RunSuites(int argc, char** argv) {
  const int failed = (RunSuite<Tests>(argc, argv) + ...);
  return failed == 0 ? 0 : 1;
}

}  // namespace absence::ui::test

// Registers the listed test classes as the suite `name` (used where QTEST_MAIN would stand).
#define ABSENCE_UI_SUITE(name, ...)                             \
  static const bool absenceUiSuiteRegistered [[maybe_unused]] = \
      ::absence::ui::test::RegisterSuite(name, &::absence::ui::test::RunSuites<__VA_ARGS__>);
