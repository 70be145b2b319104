// The preferences dialog: its pages, samples, the user-year text and what OK hands back.
#include "preferences_test.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "dialog_support.h"
#include "screenshots.h"
#include "ui/common/scale.h"
#include "ui/main/preferences.h"

namespace absence::ui::test {

void PreferencesTest::initTestCase() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void PreferencesTest::userYearText_data() {
  QTest::addColumn<int>("month");
  QTest::addColumn<int>("day");
  QTest::addColumn<QString>("start");
  QTest::addColumn<QString>("end");
  QTest::newRow("1 March") << 3 << 1 << "March 1"
                           << "February 28";
  QTest::newRow("15 July") << 7 << 15 << "July 15"
                           << "July 14";
  QTest::newRow("1 January") << 1 << 1 << "January 1"
                             << "December 31";
  QTest::newRow("1 May") << 5 << 1 << "May 1"
                         << "April 30";
}

void PreferencesTest::userYearText() {
  QFETCH(int, month);
  QFETCH(int, day);
  QFETCH(QString, start);
  QFETCH(QString, end);
  TfrmPreferences dlg;
  TSettings s;
  s.BenefitMonth = month;
  s.BenefitDay = day;
  dlg.Load(s);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtStartYear")->text(), start);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtEndYear")->text(), end);
}

void PreferencesTest::choosingAMonthLimitsTheStartDay() {
  TfrmPreferences dlg;
  TSettings s;
  s.BenefitMonth = 1;
  s.BenefitDay = 31;
  dlg.Load(s);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(4);
  QVERIFY(ChooseByKeys(Find<QComboBox>(&dlg, "cboMonth"), "February"));
  QCOMPARE(dlg.GetBenefitDay(), 28);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtStartYear")->text(), QString("February 28"));
  QCOMPARE(Find<QLineEdit>(&dlg, "txtEndYear")->text(), QString("February 27"));
  QTest::keyClick(Find<QSpinBox>(&dlg, "UpDown2"), Qt::Key_Up);  // no 29th
  QCOMPARE(dlg.GetBenefitDay(), 28);
  QTest::keyClick(Find<QSpinBox>(&dlg, "UpDown2"), Qt::Key_Down);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtStartYear")->text(), QString("February 27"));
  QCOMPARE(Find<QLineEdit>(&dlg, "txtEndYear")->text(), QString("February 26"));
  dlg.reject();
}

void PreferencesTest::hourDisplaySampleFollowsTheChoice() {
  TfrmPreferences dlg;
  dlg.Load(TSettings{});
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(1);
  QCOMPARE(Find<QLineEdit>(&dlg, "Edit1")->text(), QString("8.69"));
  QCOMPARE(Find<QLineEdit>(&dlg, "HourDisplay")->text(), QString("8.7"));
  const QStringList shown = {"9", "8.7", "8.69"};
  const THourFormat formats[] = {THourFormat::Whole, THourFormat::Tenth, THourFormat::Hundredth};
  for (int id = 0; id < 3; ++id) {
    ClickBox(Find<QButtonGroup>(&dlg, "btnHoursGroup")->button(id));
    QCOMPARE(Find<QLineEdit>(&dlg, "HourDisplay")->text(), shown[id]);
    QCOMPARE(dlg.GetHourFormat(), formats[id]);
  }
  dlg.reject();
}

void PreferencesTest::defaultHoursStepInHundredths() {
  TfrmPreferences dlg;
  TSettings s;
  s.DefaultHours = 7.5f;
  dlg.Load(s);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtDefaultHours")->text(), QString("7.50"));
  QCOMPARE(Find<QLabel>(&dlg, "lblDefault")->text(), QString("&Default Hours per Entry"));
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(3);
  QTest::keyClick(Find<QSpinBox>(&dlg, "UpDown1"), Qt::Key_Up);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtDefaultHours")->text(), QString("7.55"));
  QCOMPARE(dlg.GetDefaultHours(), 7.55f);
  QTest::keyClicks(Find<QLineEdit>(&dlg, "txtDefaultHours"), "9");  // the box takes no typing
  QCOMPARE(Find<QLineEdit>(&dlg, "txtDefaultHours")->text(), QString("7.55"));
  dlg.SetDefaultHours(0);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtDefaultHours")->text(), QString("0.00"));
  QTest::keyClick(Find<QSpinBox>(&dlg, "UpDown1"), Qt::Key_Down);
  QCOMPARE(dlg.GetDefaultHours(), 0.0f);
  dlg.SetDefaultHours(24);
  QTest::keyClick(Find<QSpinBox>(&dlg, "UpDown1"), Qt::Key_Up);
  QCOMPARE(Find<QLineEdit>(&dlg, "txtDefaultHours")->text(), QString("24.00"));
  dlg.SetRecordTime(TRecordTime::Days);
  QCOMPARE(Find<QLabel>(&dlg, "lblDefault")->text(), QString("&Default Days per Entry"));
  dlg.reject();
}

void PreferencesTest::testButtonFollowsTheToolbarStyle() {
  TfrmPreferences dlg;
  dlg.Load(TSettings{});
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  QCOMPARE(Find<QTabWidget>(&dlg, "nbNoteBook")->currentIndex(), 0);
  ClickBox(Find<QRadioButton>(&dlg, "btnPictureOnly"));
  QCOMPARE(Find<QToolButton>(&dlg, "spdTest")->toolButtonStyle(), Qt::ToolButtonIconOnly);
  QCOMPARE(Find<QToolButton>(&dlg, "spdTest")->size(), QSize(Scale(27), Scale(27)));
  ClickBox(Find<QRadioButton>(&dlg, "btnTextOnly"));
  QCOMPARE(Find<QToolButton>(&dlg, "spdTest")->toolButtonStyle(), Qt::ToolButtonTextOnly);
  QCOMPARE(Find<QToolButton>(&dlg, "spdTest")->size(), QSize(Scale(40), Scale(27)));
  ClickBox(Find<QRadioButton>(&dlg, "btnBoth"));
  QCOMPARE(Find<QToolButton>(&dlg, "spdTest")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  QVERIFY(Find<QToolButton>(&dlg, "spdTest")->height() >= Scale(41));
  QVERIFY(Find<QToolButton>(&dlg, "spdTest")->autoRaise());
  ClickBox(Find<QCheckBox>(&dlg, "chkFlat"));
  QVERIFY(!Find<QToolButton>(&dlg, "spdTest")->autoRaise());
  QCOMPARE(dlg.GetToolCaption(), TToolCaption::PictureAndText);
  QVERIFY(dlg.GetShowButtonBorder());
  dlg.reject();
}

void PreferencesTest::okReportsWhatChangedAndCancelNothing() {
  TSettings s;
  {
    TfrmPreferences dlg;
    dlg.Load(s);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    ClickBox(Find<QRadioButton>(&dlg, "btnTextOnly"));
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
  }
  {
    TfrmPreferences dlg;
    dlg.Load(s);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(2);
    ClickBox(Find<QButtonGroup>(&dlg, "EmployeeGroup")->button(2));
    Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(5);
    Find<QLineEdit>(&dlg, "txtOrganization")->setFocus();
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtOrganization"), "Acme Widgets");
    // The number of automatic backups, typed over the default.
    Find<QSpinBox>(&dlg, "spnGenerations")->setFocus();
    Find<QSpinBox>(&dlg, "spnGenerations")->selectAll();
    QTest::keyClicks(Find<QSpinBox>(&dlg, "spnGenerations"), "3");
    QTest::keyClick(Find<QLineEdit>(&dlg, "txtOrganization"), Qt::Key_Return);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const TPreferencesChanges c = dlg.Store(s);
    QVERIFY(c.EmployeeDisplay);
    QVERIFY(!c.Toolbar);
    QVERIFY(!c.Balances);
    QCOMPARE(s.EmployeeDisplay, TEmployeeDisplay::Former);
    QCOMPARE(s.Organization, std::string("Acme Widgets"));
    QCOMPARE(s.Generations, 3);
    QCOMPARE(s.ToolCaption, TToolCaption::PictureAndText);
  }
}

void PreferencesTest::everyPageLooksFinished() {
  TfrmPreferences dlg;
  TSettings s;
  s.BenefitMonth = 9;
  s.BenefitDay = 30;
  s.Organization = "Acme Widgets, Inc.";
  dlg.Load(s);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  for (int page = 0; page < Find<QTabWidget>(&dlg, "nbNoteBook")->count(); ++page) {
    Find<QTabWidget>(&dlg, "nbNoteBook")->setCurrentIndex(page);
    QVERIFY2(NoCutTexts(&dlg), qPrintable(Find<QTabWidget>(&dlg, "nbNoteBook")->tabText(page)));
    SaveScreenshot(&dlg, QStringLiteral("preferences-%1").arg(page + 1));
  }
  QCOMPARE(Find<QTabWidget>(&dlg, "nbNoteBook")->count(), 6);
  QCOMPARE(Find<QTabWidget>(&dlg, "nbNoteBook")->tabText(5), QString("Organization"));
  dlg.reject();
}

}  // namespace absence::ui::test
