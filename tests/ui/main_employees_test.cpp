// The main window's way into the employee windows (Edit › Employees, the Emp button) and the
// status-bar hint that tells a newcomer where to start.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "data/dataset.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pv_combo_box.h"
#include "ui/main/main_window.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/maintenance/emp_window.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;

namespace {

constexpr TDate kToday = 46364;

template <typename T>
T* Find(QObject* w, const char* name) {
  T* child = w->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no control named %s", name);
  return child;
}

std::unique_ptr<TfrmMain> StartLoaded() {
  auto w = std::make_unique<TfrmMain>(10);
  w->ShowAsStored();
  QTimer* timer = Find<QTimer>(w.get(), "Timer1");
  if (!QTest::qWaitFor([&] { return !timer->isActive() && w->isEnabled(); }, 5000))
    qFatal("the data set was not loaded");
  return w;
}

void SaveData(bool reasons, bool employees) {
  TDataSet data;
  if (reasons) AddReason(data.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  if (employees) {
    AddEmp(data.EmpList, "Smith", "Ann", "", kToday - 400, 0, 0, 'F');
    AddEmp(data.EmpList, "Jones", "Bob", "", kToday - 900, 0, 0, 'F');
  }
  SaveDataSet(data, App().AppFolder, false);
}

// Selects the employee in the main window's box as a user does.
void ChooseEmployee(TfrmMain& w, const QString& name) {
  auto* box = Find<TPVComboBox>(&w, "cboEmpBox");
  box->setCurrentIndex(box->findText(name));
  emit box->activated(box->currentIndex());
}

}  // namespace

class MainEmployeesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void init() { SetTodayOverride(kToday); }
  void cleanup() { SetDialogHook(nullptr); }

  void startHintNamesWhatIsMissing_data() {
    QTest::addColumn<bool>("reasons");
    QTest::addColumn<bool>("employees");
    QTest::addColumn<QString>("hint");
    QTest::newRow("empty") << false << false
                           << "To begin: Edit > Absence Reasons..., then Edit > Employees...";
    QTest::newRow("no reasons") << false << true
                                << "No absence reasons yet: add them with Edit > Absence "
                                   "Reasons...";
    QTest::newRow("no employees") << true << false
                                  << "No employees yet: add them with Edit > Employees...";
    QTest::newRow("both") << true << true << "";
  }

  void startHintNamesWhatIsMissing() {
    QFETCH(bool, reasons);
    QFETCH(bool, employees);
    QFETCH(QString, hint);
    test::TTempEnvironment env;
    SaveData(reasons, employees);
    auto w = StartLoaded();
    auto* label = Find<QLabel>(w.get(), "lblStartHint");
    QCOMPARE(label->text(), hint);
    // Whole at the window's smallest size too.
    w->resize(w->minimumSize());
    QVERIFY(QTest::qWaitFor([&] { return w->size() == w->minimumSize(); }, 2000));
    QApplication::processEvents();
    QVERIFY(label->width() >= label->sizeHint().width());
  }

  void employeesWindowFromTheEditMenu() {
    test::TTempEnvironment env;
    SaveData(true, false);
    auto w = StartLoaded();
    QAction* entry = Find<QAction>(w.get(), "mnuEditEmp");
    QVERIFY(entry->isEnabled());
    QCOMPARE(entry->text(), QStringLiteral("&Employees..."));
    int runs = 0;
    SetDialogHook([&](QDialog& dialog) {
      ++runs;
      dialog.show();
      QApplication::setActiveWindow(&dialog);
      if (auto* rec = qobject_cast<TfrmEmpRec*>(&dialog)) {
        QTest::keyClicks(Find<QLineEdit>(rec, "txtFirstName"), "Cy");
        QTest::keyClicks(Find<QLineEdit>(rec, "txtLastName"), "Young");
        QTest::mouseClick(rec->OkButton(), Qt::LeftButton);
        return;
      }
      auto* list = qobject_cast<TfrmEmp*>(&dialog);
      QVERIFY(list);
      QTest::mouseClick(list->findChild<QToolButton*>("spdNewRec"), Qt::LeftButton);
      QCOMPARE(list->findChild<QTableView*>("grdEmployee")->model()->rowCount(), 1);
      QTest::mouseClick(list->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    });
    entry->trigger();
    QCOMPARE(runs, 2);
    auto* box = Find<TPVComboBox>(w.get(), "cboEmpBox");
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), QStringLiteral("Young, Cy"));
    QVERIFY(Find<QLabel>(w.get(), "lblStartHint")->text().isEmpty());
  }

  void empButtonEditsTheSelectedEmployee() {
    test::TTempEnvironment env;
    SaveData(true, true);
    auto w = StartLoaded();
    auto* spdEmp = Find<QToolButton>(w.get(), "spdEmp");
    QVERIFY(!spdEmp->isEnabled());  // no employee selected yet
    ChooseEmployee(*w, QStringLiteral("Smith, Ann"));
    QVERIFY(spdEmp->isEnabled());
    const int32_t smith = w->CurrentEmpID();
    SetDialogHook([&](QDialog& dialog) {
      dialog.show();
      QApplication::setActiveWindow(&dialog);
      auto* rec = qobject_cast<TfrmEmpRec*>(&dialog);
      QVERIFY(rec);
      QCOMPARE(rec->windowTitle(), QStringLiteral("Edit Employee"));
      QCOMPARE(Find<QLineEdit>(rec, "txtLastName")->text(), QStringLiteral("Smith"));
      Find<QLineEdit>(rec, "txtLastName")->selectAll();
      QTest::keyClicks(Find<QLineEdit>(rec, "txtLastName"), "Adams");
      QTest::mouseClick(rec->OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(spdEmp, Qt::LeftButton);
    auto* box = Find<TPVComboBox>(w.get(), "cboEmpBox");
    // Re-sorted, and still the selected employee.
    QCOMPARE(box->itemText(0), QStringLiteral("Adams, Ann"));
    QCOMPARE(box->currentIndex(), 0);
    QCOMPARE(w->CurrentEmpID(), smith);
  }
};

ABSENCE_UI_SUITE("main_employees", MainEmployeesTest)
#include "main_employees_test.moc"
