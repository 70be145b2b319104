// The date box, the number box, the combo box with identifiers and the date texts they use.
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "dates/dates.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/num_edit.h"
#include "ui/common/pv_combo_box.h"

using namespace absence;
using namespace absence::ui;

class WidgetsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }

  void datePatternFollowsTheLocaleOrder_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("C") << QLocale::c() << "mm/dd/yyyy";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "mm/dd/yyyy";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "dd/mm/yyyy";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << "dd/mm/yyyy";
    QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan) << "yyyy/mm/dd";
    QTest::newRow("sv_SE") << QLocale(QLocale::Swedish, QLocale::Sweden) << "yyyy/mm/dd";
  }
  void datePatternFollowsTheLocaleOrder() {
    QFETCH(QLocale, locale);
    QFETCH(QString, pattern);
    QCOMPARE(DatePatternForLocale(locale), pattern);
  }

  void dateTextsRoundTripInEachPattern() {
    const TDate christmas = FromQDate(QDate(2026, 12, 25));
    QCOMPARE(FormatDate(christmas, "mm/dd/yyyy"), QString("12/25/2026"));
    QCOMPARE(FormatDate(christmas, "dd/mm/yyyy"), QString("25/12/2026"));
    QCOMPARE(FormatDate(christmas, "yyyy/mm/dd"), QString("2026/12/25"));
    QCOMPARE(FormatDate(2, "mm/dd/yyyy"), QString("01/01/1900"));
    for (const char* pattern : {"mm/dd/yyyy", "dd/mm/yyyy", "yyyy/mm/dd"}) {
      TDate back = 0;
      QVERIFY(ParseDate(FormatDate(christmas, pattern), pattern, back));
      QCOMPARE(back, christmas);
    }
    TDate d = 0;
    QVERIFY(!ParseDate("02/30/2024", "mm/dd/yyyy", d));
    QVERIFY(!ParseDate("12/25", "mm/dd/yyyy", d));
    QVERIFY(!ParseDate("12/2x/2024", "mm/dd/yyyy", d));
    QVERIFY(!ParseDate("123/1/2024", "mm/dd/yyyy", d));
    QVERIFY(ParseDate("2/29/2024", "mm/dd/yyyy", d));
    QCOMPARE(ToQDate(d), QDate(2024, 2, 29));
  }

  void dateBoxCompletesYears_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("05 is 2005") << "mm/dd/yyyy"
                                << "12/25/05"
                                << "12/25/2005";
    // Near today (fixed to 2026 below): 19 years ahead at most, never a century back.
    QTest::newRow("45 is 2045") << "mm/dd/yyyy"
                                << "12/25/45"
                                << "12/25/2045";
    QTest::newRow("46 is 1946") << "mm/dd/yyyy"
                                << "12/25/46"
                                << "12/25/1946";
    QTest::newRow("26 is 2026") << "mm/dd/yyyy"
                                << "7/1/26"
                                << "07/01/2026";
    QTest::newRow("19 is 2019") << "mm/dd/yyyy"
                                << "1/2/19"
                                << "01/02/2019";
    QTest::newRow("20 is 2020") << "mm/dd/yyyy"
                                << "1/2/20"
                                << "01/02/2020";
    QTest::newRow("padded") << "mm/dd/yyyy"
                            << "1/2/99"
                            << "01/02/1999";
    QTest::newRow("four digits kept") << "mm/dd/yyyy"
                                      << "7/4/1776"
                                      << "07/04/1776";
    QTest::newRow("day first") << "dd/mm/yyyy"
                               << "25/12/05"
                               << "25/12/2005";
    QTest::newRow("year first") << "yyyy/mm/dd"
                                << "05/12/25"
                                << "2005/12/25";
  }
  void dateBoxCompletesYears() {
    QFETCH(QString, pattern);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    SetTodayOverride(EncodeDate(2026, 12, 8));
    test::TMessageBoxSpy spy;
    TDateEdit edit;
    edit.SetDateFormat(pattern);
    edit.setText(typed);
    QVERIFY(edit.Validate());
    QCOMPARE(edit.text(), shown);
    TDate expected = 0;
    QVERIFY(ParseDate(shown, pattern, expected));
    QCOMPARE(edit.Date(), expected);
    QVERIFY(spy.Calls().empty());
    SetTodayOverride(std::nullopt);
  }

  void dateBoxRejectsWithTheExactMessage_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("required");
    QTest::newRow("one separator") << "12/25" << false;
    QTest::newRow("no such day") << "02/30/2023" << false;
    QTest::newRow("month 13") << "13/01/2023" << false;
    QTest::newRow("empty but required") << "" << true;
    QTest::newRow("no year") << "12/25/" << false;
    QTest::newRow("one-digit year") << "12/25/5" << false;
    QTest::newRow("one-digit year, required") << "1/2/0" << true;
  }
  void dateBoxRejectsWithTheExactMessage() {
    QFETCH(QString, typed);
    QFETCH(bool, required);
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    TDateEdit edit;
    edit.SetRequiredField(required);
    edit.setText(typed);
    QVERIFY(!edit.Validate());
    QCOMPARE(edit.Date(), TDate(0));
    QCOMPARE(spy.Calls().size(), size_t(1));
    const TMessageBoxCall& call = spy.Calls()[0];
    QCOMPARE(call.Text, QString("The date you entered - ") + edit.text() +
                            " - is not valid.\r\r Please make sure your date is in the "
                            "\"mm/dd/yyyy\" format.");
    QCOMPARE(call.Kind, TMsgKind::Information);
    QCOMPARE(call.Buttons, TMsgButtons(mbOK));
  }

  // A year the data files cannot keep is refused with what is wrong, not with the format.
  void dateBoxRefusesDaysTheFilesCannotKeep() {
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    TDateEdit edit;
    edit.setText("12/29/3798");
    QVERIFY(!edit.Validate());
    QCOMPARE(edit.Date(), TDate(0));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Text,
             QString("The date you entered - 12/29/3798 - is not valid.\r\r Dates after "
                     "December 28, 3798 cannot be kept."));
    edit.setText("12/28/3798");
    QVERIFY(edit.Validate());
    QCOMPARE(edit.Date(), TDate(693594));
  }

  void emptyOrUncheckedBoxesLeaveQuietly() {
    test::TMessageBoxSpy spy;
    TDateEdit edit;
    QVERIFY(edit.Validate());
    edit.SetValidateInput(false);
    edit.setText("99/99");
    QVERIFY(edit.Validate());
    QCOMPARE(edit.text(), QString("99/99"));
    QVERIFY(spy.Calls().empty());
  }

  void plusAndMinusStepByADay_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("after");
    QTest::newRow("into the new year") << "12/31/1999" << int(Qt::Key_Plus) << "01/01/2000";
    QTest::newRow("back to leap day") << "03/01/2024" << int(Qt::Key_Minus) << "02/29/2024";
    QTest::newRow("short year") << "1/31/19" << int(Qt::Key_Plus) << "02/01/2019";
    QTest::newRow("unparseable stays") << "12/25" << int(Qt::Key_Plus) << "12/25";
    QTest::newRow("garbage stays") << "13/13/2000" << int(Qt::Key_Minus) << "13/13/2000";
  }
  void plusAndMinusStepByADay() {
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, after);
    TDateEdit edit;
    edit.setText(before);
    QTest::keyClick(&edit, Qt::Key(key));
    QCOMPARE(edit.text(), after);
  }

  void onlyDigitsAndTheSeparatorReachTheText() {
    TDateEdit edit;
    QTest::keyClicks(&edit, "1a2/ 3x.b/2,0;2q4");
    QCOMPARE(edit.text(), QString("12/3/2024"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QString("12/3/202"));
  }

  void enterValidatesAndSelects() {
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    TDateEdit edit;
    edit.setText("1/2/99");
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(edit.text(), QString("01/02/1999"));
    QCOMPARE(edit.selectedText(), QString("01/02/1999"));
    edit.setText("1/2");
    QTest::keyClick(&edit, Qt::Key_Enter);
    QCOMPARE(spy.Calls().size(), size_t(1));
  }

  void leavingWithABadDateKeepsTheFocus() {
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new TDateEdit;
    auto* other = new QLineEdit;
    layout->addWidget(edit);
    layout->addWidget(other);
    int exits = 0;
    connect(edit, &TDateEdit::Exit, [&] { ++exits; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->setText("12/25");
    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(exits, 1);
    QCOMPARE(spy.Calls().size(), size_t(1));

    edit->setText("12/25/05");
    other->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(edit->text(), QString("12/25/2005"));
    QCOMPARE(spy.Calls().size(), size_t(1));
  }

  void numberBoxKeepsItsLimits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("whole") << "123" << true;
    QTest::newRow("two decimals") << "12.25" << true;
    QTest::newRow("three decimals") << "12.255" << false;
    QTest::newRow("two points") << "1.2.3" << false;
    QTest::newRow("letters") << "12a" << false;
    QTest::newRow("minus") << "-5" << false;
    QTest::newRow("too many digits") << "12345" << false;
    QTest::newRow("above maximum") << "2401" << false;
    QTest::newRow("at maximum") << "2400" << true;
    QTest::newRow("empty") << "" << true;
  }
  void numberBoxKeepsItsLimits() {
    QFETCH(QString, text);
    QFETCH(bool, acceptable);
    TNumEdit edit;
    edit.SetDigits(4);
    edit.SetDecimals(2);
    edit.SetMaximum(2400);
    QCOMPARE(edit.Acceptable(text), acceptable);
  }

  void numberBoxTypesAndShowsItsMask() {
    TNumEdit edit;
    edit.SetDigits(6);
    edit.SetDecimals(1);
    edit.SetDisplayMask("#,##0.0");
    edit.SetValue(1234.56);
    QCOMPARE(edit.text(), QString("1,234.6"));
    edit.clear();
    QTest::keyClicks(&edit, "12.34x");
    QCOMPARE(edit.text(), QString("12.3"));
    QCOMPARE(edit.Value(), 12.3);
  }

  void comboItemsCarryIdentifiers() {
    TPVComboBox combo;
    combo.AddItem("Smith, Ann", 7);
    combo.AddItem("Jones, Bob", 12);
    QCOMPARE(combo.ItemID(1), 12);
    QCOMPARE(combo.IndexOfID(7), 0);
    QCOMPARE(combo.IndexOfID(99), -1);
    combo.setCurrentIndex(1);
    QCOMPARE(combo.CurrentID(), 12);
    combo.setCurrentIndex(-1);
    QCOMPARE(combo.CurrentID(), 0);
    QCOMPARE(combo.ItemID(5), 0);
  }
};

ABSENCE_UI_SUITE("widgets", WidgetsTest)
#include "widgets_test.moc"
