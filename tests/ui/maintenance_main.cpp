// The maintenance windows, each suite on its own.
#include <QApplication>
#include <QtTest>

#include "maintenance_test.h"
#include "ui/common/app_state.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  absence::ui::InitUiResources();
  int failed = 0;
  {
    absence::ui::test::DeptWindowTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    absence::ui::test::ReasonsWindowTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    absence::ui::test::EmpWindowTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
