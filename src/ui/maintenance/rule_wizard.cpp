#include "ui/maintenance/rule_wizard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <cmath>

#include "data/rule_ladder.h"
#include "data/settings.h"
#include "ui/common/app_state.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/init_flags.h"
#include "ui/common/message_box.h"
#include "ui/common/num_edit.h"
#include "ui/common/page_flow.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/common/record_model.h"
#include "ui/common/scale.h"

namespace absence::ui {
namespace {

constexpr int kSummaryRows = 5;

// "#0.0#": one or two decimals.
QString HoursText(double value) {
  QString text = QString::number(value, 'f', 2);
  if (text.endsWith(u'0')) text.chop(1);
  return text;
}

QLabel* WrappedLabel(const QString& text) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  return label;
}

QLabel* Picture() {
  auto* img = new QLabel;
  img->setPixmap(ResourcePicture(QStringLiteral("absence"), 96));
  img->setAlignment(Qt::AlignTop);
  return img;
}

// A pair of radio buttons in their own group.
std::pair<QRadioButton*, QRadioButton*> RadioPair(QWidget* owner, const char* first,
                                                  const QString& firstText, const char* second,
                                                  const QString& secondText) {
  auto* group = new QButtonGroup(owner);
  auto* a = new QRadioButton(firstText);
  a->setObjectName(QString::fromLatin1(first));
  auto* b = new QRadioButton(secondText);
  b->setObjectName(QString::fromLatin1(second));
  group->addButton(a);
  group->addButton(b);
  return {a, b};
}

TNumEdit* HoursBox(const char* name) {
  auto* box = new TNumEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->SetDigits(4);
  box->SetDecimals(4);
  box->SetDisplayMask(QStringLiteral("###0.0#"));
  box->setFixedWidth(Scale(70));
  return box;
}

}  // namespace

TfrmRuleWizard::TfrmRuleWizard(const QString& description, const TRuleList& rules, QWidget* parent)
    : QDialog(parent), rules_(CopyRules(rules)), forPeriod_(rules_.size(), false) {
  setObjectName(QStringLiteral("frmRuleWizard"));
  setWindowTitle(tr("Benefit Policy Wizard ") + description);
  SetHelpContext(this, kRuleWizardHelpContext);
  auto* column = new QVBoxLayout(this);
  pages_ = new QStackedWidget;
  pages_->setObjectName(QStringLiteral("ntWizard"));
  pages_->addWidget(StartPage());
  pages_->addWidget(DetailsPage());
  pages_->addWidget(FinishPage());
  column->addWidget(pages_);
  auto* buttons = new QHBoxLayout;
  cancelButton_ = new QPushButton(tr("Cancel"));
  cancelButton_->setObjectName(QStringLiteral("BitBtn1"));
  examplesButton_ = new QPushButton(tr("&Examples"));
  examplesButton_->setObjectName(QStringLiteral("cmdExample"));
  backButton_ = new QPushButton(tr("&Back"));
  backButton_->setObjectName(QStringLiteral("cmdBack"));
  nextButton_ = new QPushButton(tr("&Next"));
  nextButton_->setObjectName(QStringLiteral("cmdNext"));
  nextButton_->setDefault(true);
  for (QPushButton* b : {cancelButton_, examplesButton_, backButton_}) b->setAutoDefault(false);
  buttons->addWidget(cancelButton_);
  buttons->addStretch();
  buttons->addWidget(examplesButton_);
  buttons->addWidget(backButton_);
  buttons->addWidget(nextButton_);
  column->addLayout(buttons);
  flow_ = new TPageFlow(pages_, backButton_, nextButton_, this);
  connect(flow_, &TPageFlow::NextPressed, this, &TfrmRuleWizard::cmdNextClick);
  connect(flow_, &TPageFlow::BackPressed, this, &TfrmRuleWizard::cmdBackClick);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(examplesButton_, &QPushButton::clicked, this,
          [] { ShowHelpContext(kPolicyExamplesHelpContext, true); });
  summaryGrid_->LoadColumnWidths();
  if (rules_.empty()) {
    AddRule(rules_, 0, kMaxRuleMonths, 0, 0);
    forPeriod_.push_back(false);
  }
}

TfrmRuleWizard::~TfrmRuleWizard() = default;

QWidget* TfrmRuleWizard::StartPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(Picture());
  auto* texts = new QVBoxLayout;
  texts->addWidget(WrappedLabel(
      tr("The next few screens will help you enter your policy information into Absence.")));
  texts->addWidget(
      WrappedLabel(tr("At any time you can click on the Cancel button and abandon your work.  The "
                      "information you enter here will only be saved when you click on the "
                      "Finish button that appears at the end of the process.")));
  texts->addWidget(WrappedLabel(
      tr("The Examples button will give you several examples of how to set up a company policy.  "
         "Each company's policies are different, but the examples provide guidelines on how to "
         "setup a policy.")));
  skipStartBox_ = new QCheckBox(tr("Skip this page next time."));
  skipStartBox_->setObjectName(QStringLiteral("chkDisplay"));
  texts->addWidget(skipStartBox_);
  texts->addStretch();
  row->addLayout(texts, 1);
  return page;
}

QWidget* TfrmRuleWizard::DetailsPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(Picture());
  auto* texts = new QVBoxLayout;
  texts->addWidget(new QLabel(tr("An employee who has worked for your company for")));
  auto* grid = new QGridLayout;
  startLabel_ = new QLabel(tr("at least"));
  startLabel_->setObjectName(QStringLiteral("lblStart"));
  startBox_ = new QLineEdit;
  startBox_->setObjectName(QStringLiteral("txtStart"));
  startBox_->setReadOnly(true);
  startBox_->setEnabled(false);
  startBox_->setFixedWidth(Scale(70));
  std::tie(startMonthsButton_, startYearsButton_) =
      RadioPair(this, "btnStartMonths", tr("Months"), "btnStartYears", tr("Years"));
  startMonthsButton_->setEnabled(false);
  startYearsButton_->setEnabled(false);
  startRow_ = new QWidget;
  auto* start = new QHBoxLayout(startRow_);
  start->setContentsMargins(0, 0, 0, 0);
  start->addWidget(startBox_);
  start->addWidget(startMonthsButton_);
  start->addWidget(startYearsButton_);
  start->addStretch();
  grid->addWidget(startLabel_, 0, 0);
  grid->addWidget(startRow_, 0, 1);

  endBox_ = new QLineEdit;
  endBox_->setObjectName(QStringLiteral("txtEnd"));
  endBox_->setValidator(new QIntValidator(0, 9999, endBox_));
  endBox_->setMaxLength(4);
  endBox_->setFixedWidth(Scale(70));
  std::tie(endMonthsButton_, endYearsButton_) =
      RadioPair(this, "btnEndMonths", tr("Months"), "btnEndYears", tr("Years"));
  auto* end = new QHBoxLayout;
  end->addWidget(endBox_);
  end->addWidget(endMonthsButton_);
  end->addWidget(endYearsButton_);
  end->addStretch();
  grid->addWidget(new QLabel(tr("up to")), 1, 0);
  grid->addLayout(end, 1, 1);

  hoursBox_ = HoursBox("txtHours");
  std::tie(periodHoursButton_, yearHoursButton_) = RadioPair(
      this, "btnPeriodHours", tr("Hours for the period"), "btnYearHours", tr("Hours per year"));
  auto* hours = new QHBoxLayout;
  hours->addWidget(hoursBox_);
  hours->addWidget(periodHoursButton_);
  hours->addWidget(yearHoursButton_);
  hours->addStretch();
  grid->addWidget(new QLabel(tr("will earn")), 2, 0);
  grid->addLayout(hours, 2, 1);

  carryOverBox_ = HoursBox("txtCarryOver");
  auto* carry = new QHBoxLayout;
  carry->addWidget(carryOverBox_);
  carry->addWidget(new QLabel(tr("hours into the next year")));
  carry->addStretch();
  grid->addWidget(new QLabel(tr("and can carry over up to")), 3, 0);
  grid->addLayout(carry, 3, 1);
  texts->addLayout(grid);
  texts->addWidget(
      WrappedLabel(tr("<b>Note:</b> The up to period can not be greater than 80 years (960 "
                      "months).")));
  texts->addStretch();
  row->addLayout(texts, 1);
  setTabOrder(endBox_, endMonthsButton_);
  setTabOrder(endMonthsButton_, endYearsButton_);
  setTabOrder(endYearsButton_, hoursBox_);
  setTabOrder(hoursBox_, periodHoursButton_);
  setTabOrder(periodHoursButton_, yearHoursButton_);
  setTabOrder(yearHoursButton_, carryOverBox_);
  return page;
}

QWidget* TfrmRuleWizard::FinishPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(Picture());
  auto* texts = new QVBoxLayout;
  texts->addWidget(WrappedLabel(
      tr("Here is the policy information you just entered. If it is correct, click on the Finish  "
         "button.  If you need to make changes, click on the Back button.")));
  texts->addWidget(new QLabel(tr("An employee who has worked for your company for...")));
  summary_ = new TRecordTableModel(
      {tr("at least"), tr("up to"), tr("will earn"), tr("and carry over")}, page);
  summaryGrid_ = new TPickGrid(QStringLiteral("hdrPolicy"), QStringLiteral("grdPolicy"), summary_,
                               {70, 70, 190, 100}, kSummaryRows);
  summaryGrid_->setSelectionMode(QAbstractItemView::NoSelection);
  texts->addWidget(summaryGrid_);
  texts->addStretch();
  row->addLayout(texts, 1);
  return page;
}

void TfrmRuleWizard::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  const bool skip = ReadInitFlag(kShowPolicyPageKey);
  skipStartBox_->setChecked(skip);
  if (skip) cmdNextClick(0);
}

void TfrmRuleWizard::done(int result) {
  WriteInitFlag(kShowPolicyPageKey, skipStartBox_->isChecked());
  summaryGrid_->SaveColumnWidths();
  QDialog::done(result);
}

void TfrmRuleWizard::ShowRule(std::size_t index) {
  index_ = index;
  startLabel_->setVisible(index > 0);
  startRow_->setVisible(index > 0);
  const int upTo = endBox_->text().toInt();
  const int32_t appendedStart = endYearsButton_->isChecked() ? upTo * 12 : upTo;
  const TFTRuleRecClass& rule = RuleAt(rules_, index, appendedStart);
  forPeriod_.resize(rules_.size(), false);
  const bool startYears = rule.StartMonth % 12 == 0;
  startBox_->setText(QString::number(startYears ? rule.StartMonth / 12 : rule.StartMonth));
  (startYears ? startYearsButton_ : startMonthsButton_)->setChecked(true);
  const bool endYears = rule.EndMonth % 12 == 0;
  endBox_->setText(QString::number(endYears ? rule.EndMonth / 12 : rule.EndMonth));
  (endYears ? endYearsButton_ : endMonthsButton_)->setChecked(true);
  const bool period = forPeriod_[index] || std::floor(rule.Hours) != rule.Hours;
  (period ? periodHoursButton_ : yearHoursButton_)->setChecked(true);
  hoursBox_->SetValue(HoursText(period ? HoursForPeriod(rule) : rule.Hours).toDouble());
  carryOverBox_->SetValue(HoursText(rule.CarryOver).toDouble());
  endBox_->setFocus();
  endBox_->selectAll();
}

void TfrmRuleWizard::cmdNextClick(int page) {
  if (page == 0) {
    flow_->GoTo(1);
    ShowRule(index_);
    return;
  }
  if (page == 2) {
    accept();
    return;
  }
  TRuleEntry entry;
  entry.UpTo = endBox_->text().toInt();
  entry.UpToYears = endYearsButton_->isChecked();
  entry.Hours = static_cast<float>(hoursBox_->Value());
  entry.ForPeriod = periodHoursButton_->isChecked();
  entry.CarryOver = static_cast<float>(carryOverBox_->Value());
  switch (StoreRule(rules_, index_, entry)) {
    case TLadderStep::NotGreater:
      MessageBoxTitled(tr("The \"up to\" period must be greater than the \"at least\" "
                          "period.  Please check your entry and make the necessary "
                          "correction."),
                       TMsgKind::Information, mbOK, kUpToHelpContext);
      endBox_->setFocus();
      return;
    case TLadderStep::Last:
      forPeriod_.resize(rules_.size());
      forPeriod_[index_] = entry.ForPeriod;
      flow_->GoTo(2);
      flow_->SetNext(tr("&Finish"), false);
      FillSummary();
      return;
    case TLadderStep::Next:
      forPeriod_[index_] = entry.ForPeriod;
      ShowRule(index_ + 1);
      return;
  }
}

void TfrmRuleWizard::cmdBackClick(int page) {
  if (page == 2) {
    flow_->Back();
    flow_->SetNext(tr("&Next"), true);
    ShowRule(index_);
  } else if (index_ > 0) {
    ShowRule(index_ - 1);
  } else {
    flow_->Back();
  }
}

void TfrmRuleWizard::FillSummary() {
  std::vector<TRecordRow> rows;
  for (std::size_t i = 0; i < rules_.size(); ++i) {
    QStringList cells;
    for (const std::string& text : RuleSummary(*rules_[i])) cells << QString::fromStdString(text);
    rows.push_back({static_cast<int64_t>(i), cells, {}, false});
  }
  summary_->SetRows(std::move(rows));
}

void TfrmRuleWizard::TakeRules(TRuleList& target) {
  target = std::move(rules_);
  rules_.clear();
}

}  // namespace absence::ui
