#pragma once
#include <QObject>
#include <memory>

#include "dialog_support.h"

namespace absence::ui::test {

class AbsenceRecTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void dayWithOwnAndGlobalEntryStepsThroughBoth();
  void cancelDiscardsEveryEntryOfTheDay();
  void dateBeforeTheStartDateIsRefused();
  void scrollingOntoABadDateStaysOnTheEntry();
  void hoursShownWithTheDecimalsOfTheHourDisplay_data();
  void hoursShownWithTheDecimalsOfTheHourDisplay();
  void inactiveReasonShownOnlyForAnExistingEntry();
  void newGlobalEntryReachesEveryoneEmployedThatDay();
  void bothModesLookFinishedWithATabOrder();
  void typedHoursAreStoredOrRefusedAsTyped_data();
  void typedHoursAreStoredOrRefusedAsTyped();
  void dayPassing24HoursAsksFirst();
  void emptyDateOfANewGlobalEntryIsRefused();

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
};

}  // namespace absence::ui::test
