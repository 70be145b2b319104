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

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
};

}  // namespace absence::ui::test
