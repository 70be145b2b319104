#pragma once
#include <QObject>

namespace absence::ui::test {

class PreferencesTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void userYearText_data();
  void userYearText();
  void choosingAMonthLimitsTheStartDay();
  void hourDisplaySampleFollowsTheChoice();
  void defaultHoursStepInHundredths();
  void testButtonFollowsTheToolbarStyle();
  void okReportsWhatChangedAndCancelNothing();
  void everyPageLooksFinished();
};

}  // namespace absence::ui::test
