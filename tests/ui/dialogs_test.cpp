// The entry, restore and preferences dialogs, each suite on its own.
#include <QApplication>
#include <QtTest>

#include "absence_rec_test.h"
#include "preferences_test.h"
#include "ui/common/app_state.h"
#include "undelete_test.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  absence::ui::InitUiResources();
  int failed = 0;
  {
    absence::ui::test::AbsenceRecTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    absence::ui::test::UnDeleteTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  {
    absence::ui::test::PreferencesTest t;
    failed += QTest::qExec(&t, argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
