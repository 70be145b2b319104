#include "dialog_support.h"

namespace absence::ui::test {

TSampleOrg::TSampleOrg(TDataSession& session) {
  TDataSet& d = absence::ui::test::TestData(session);
  Holiday = AddReason(d.ReasonList, "Holiday", false, false, TBasis::None, TValidate::None);
  Sick = AddReason(d.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  Vacation = AddReason(d.ReasonList, "Vacation", true, false, TBasis::None, TValidate::None);
  SortReasons(d.ReasonList);
  Smith = AddEmp(d.EmpList, "Smith", "Ann", "", kToday - 400, 0, 0, 'F');
  Jones = AddEmp(d.EmpList, "Jones", "Bob", "", kToday - 900, kToday - 30, 0, 'F');
  Young = AddEmp(d.EmpList, "Young", "Cy", "", kToday - 10, 0, 0, 'F');
  SortEmps(d.EmpList);
}

TDialogDriver::TDialogDriver(std::function<void(QDialog&)> drive) {
  SetDialogHook([this, drive = std::move(drive)](QDialog& dialog) {
    ++runs_;
    dialog.show();
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog)) QTest::qFail("dialog not shown", __FILE__, __LINE__);
    drive(dialog);
    if (dialog.isVisible()) {
      dialog.reject();
      QTest::qFail("the dialog was left open", __FILE__, __LINE__);
    }
  });
}

TDialogDriver::~TDialogDriver() {
  SetDialogHook(nullptr);
}

void ClickBox(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(8, button->height() / 2));
}

float LiveHours(const TEntryList& list, int32_t reasonID, TEntryKind kind, TDate day) {
  const int i = FindEntry(list, reasonID, kind, day);
  return i == -1 ? -1.0f : list[static_cast<std::size_t>(i)]->Hours;
}

}  // namespace absence::ui::test
