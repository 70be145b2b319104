#pragma once
// Suites of the maintenance windows (departments, reasons, the policy wizard, employees).
#include <QObject>
#include <memory>

#include "dialog_support.h"

namespace absence::ui::test {

class DeptWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void gridListsDepartmentsAndFillsLastColumn();
  void newDepartmentAndDuplicateNames_data();
  void newDepartmentAndDuplicateNames();
  void managerBoxKeepsFormerAndTrashedManagers();
  void blockDeleteAndUndo();
  void shiftPicksBlock();
  void emptyListEditActsAsNew();
  void listFollowsChangesMadeElsewhere();
  void printMakesThePlainListStraightToThePrinter();

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
};

class ReasonsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void duplicateDescriptionsAndPolicyOffOn();
  void wizardLadderBackAndCancel();
  void examplesShowTheWorkedPolicies();
  void untickingThePolicyAsksAndIsUndone();
  void undoRestoresTrashedReasons();

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
};

class EmpWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void displayFilterAndCells_data();
  void displayFilterAndCells();
  void newEmployeeGetsBalancesAndGlobalCopies();
  void okWithoutStartDateStaysOpen();
  void startDatePastOwnEntry_data();
  void startDatePastOwnEntry();
  void termDateBeforeOnlyOwnEntry();
  void asOfQuestionNoKeepsDialogOpen();
  void managerBoxFollowsTheDepartment();
  void departmentBoxKeepsInactiveAndTrashed();
  void shiftPickDeleteFourAndUndo();
  void deletingTheOnlyShownEmployee();
  void balanceSectionCommands();
  void balanceEditsWaitForOkAndUndoWhole();
  void newEmployeePastTheLastIdentifierIsRefused();
  void accrualDialogChecks_data();
  void accrualDialogChecks();
  void accrualDialogWithNothingToOffer();
  void printButtonsWriteTheirPrintouts();

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
  int32_t sales_ = 0, legal_ = 0;
};

}  // namespace absence::ui::test
