#pragma once
// The policy wizard: builds a reason's ladder of rules one service band at a time, on a copy of
// the rules that the caller takes only when the wizard ends with Finish.
#include <QDialog>
#include <vector>

#include "data/records.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace absence::ui {

class TNumEdit;
class TPageFlow;
class TPickGrid;
class TRecordTableModel;

inline constexpr int kRuleWizardHelpContext = 150;
inline constexpr int kPolicyExamplesHelpContext = 160;
inline constexpr int kUpToHelpContext = 1019;

class TfrmRuleWizard : public QDialog {
  Q_OBJECT
 public:
  TfrmRuleWizard(const QString& description, const TRuleList& rules, QWidget* parent = nullptr);
  ~TfrmRuleWizard() override;

  const TRuleList& Rules() const { return rules_; }
  // Replaces `target` with the wizard's rules.
  void TakeRules(TRuleList& target);

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  QWidget* StartPage();
  QWidget* DetailsPage();
  QWidget* FinishPage();
  void cmdNextClick(int page);
  void cmdBackClick(int page);
  void ShowRule(std::size_t index);
  void FillSummary();

  TRuleList rules_;
  // Rules whose hours were entered for their period: shown again that way.
  std::vector<bool> forPeriod_;
  std::size_t index_ = 0;
  TPageFlow* flow_ = nullptr;
  QWidget* startRow_ = nullptr;
  TRecordTableModel* summary_ = nullptr;
  bool shownOnce_ = false;
  QStackedWidget* pages_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* examplesButton_ = nullptr;
  QPushButton* backButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QCheckBox* skipStartBox_ = nullptr;
  QLabel* startLabel_ = nullptr;
  QLineEdit* startBox_ = nullptr;
  QRadioButton* startMonthsButton_ = nullptr;
  QRadioButton* startYearsButton_ = nullptr;
  QLineEdit* endBox_ = nullptr;
  QRadioButton* endMonthsButton_ = nullptr;
  QRadioButton* endYearsButton_ = nullptr;
  TNumEdit* hoursBox_ = nullptr;
  QRadioButton* periodHoursButton_ = nullptr;
  QRadioButton* yearHoursButton_ = nullptr;
  TNumEdit* carryOverBox_ = nullptr;
  TPickGrid* summaryGrid_ = nullptr;
};

}  // namespace absence::ui
