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
#include <QTableWidget>
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
  setWindowTitle(QStringLiteral("Benefit Policy Wizard ") + description);
  SetHelpContext(this, kRuleWizardHelpContext);
  auto* column = new QVBoxLayout(this);
  ntWizard = new QStackedWidget;
  ntWizard->setObjectName(QStringLiteral("ntWizard"));
  ntWizard->addWidget(StartPage());
  ntWizard->addWidget(DetailsPage());
  ntWizard->addWidget(FinishPage());
  column->addWidget(ntWizard);
  auto* buttons = new QHBoxLayout;
  BitBtn1 = new QPushButton(QStringLiteral("Cancel"));
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  cmdExample = new QPushButton(QStringLiteral("&Examples"));
  cmdExample->setObjectName(QStringLiteral("cmdExample"));
  cmdBack = new QPushButton(QStringLiteral("&Back"));
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  cmdNext = new QPushButton(QStringLiteral("&Next"));
  cmdNext->setObjectName(QStringLiteral("cmdNext"));
  cmdNext->setDefault(true);
  for (QPushButton* b : {BitBtn1, cmdExample, cmdBack}) b->setAutoDefault(false);
  buttons->addWidget(BitBtn1);
  buttons->addStretch();
  buttons->addWidget(cmdExample);
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdNext);
  column->addLayout(buttons);
  flow_ = new TPageFlow(ntWizard, cmdBack, cmdNext, this);
  connect(flow_, &TPageFlow::NextPressed, this, &TfrmRuleWizard::cmdNextClick);
  connect(flow_, &TPageFlow::BackPressed, this, &TfrmRuleWizard::cmdBackClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(cmdExample, &QPushButton::clicked, this,
          [] { ShowHelpContext(kPolicyExamplesHelpContext, true); });
  grdPolicy->LoadColumnWidths();
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
  texts->addWidget(WrappedLabel(QStringLiteral(
      "The next few screens will help you enter your policy information into Absence.")));
  texts->addWidget(WrappedLabel(
      QStringLiteral("At any time you can click on the Cancel button and abandon your work.  The "
                     "information you enter here will only be saved when you click on the "
                     "Finish button that appears at the end of the process.")));
  texts->addWidget(WrappedLabel(QStringLiteral(
      "The Examples button will give you several examples of how to set up a company policy.  "
      "Each company's policies are different, but the examples provide guidelines on how to "
      "setup a policy.")));
  chkDisplay = new QCheckBox(QStringLiteral("Skip this page next time."));
  chkDisplay->setObjectName(QStringLiteral("chkDisplay"));
  texts->addWidget(chkDisplay);
  texts->addStretch();
  row->addLayout(texts, 1);
  return page;
}

QWidget* TfrmRuleWizard::DetailsPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(Picture());
  auto* texts = new QVBoxLayout;
  texts->addWidget(new QLabel(QStringLiteral("An employee who has worked for your company for")));
  auto* grid = new QGridLayout;
  lblStart = new QLabel(QStringLiteral("at least"));
  lblStart->setObjectName(QStringLiteral("lblStart"));
  txtStart = new QLineEdit;
  txtStart->setObjectName(QStringLiteral("txtStart"));
  txtStart->setReadOnly(true);
  txtStart->setEnabled(false);
  txtStart->setFixedWidth(Scale(70));
  std::tie(btnStartMonths, btnStartYears) = RadioPair(
      this, "btnStartMonths", QStringLiteral("Months"), "btnStartYears", QStringLiteral("Years"));
  btnStartMonths->setEnabled(false);
  btnStartYears->setEnabled(false);
  startRow_ = new QWidget;
  auto* start = new QHBoxLayout(startRow_);
  start->setContentsMargins(0, 0, 0, 0);
  start->addWidget(txtStart);
  start->addWidget(btnStartMonths);
  start->addWidget(btnStartYears);
  start->addStretch();
  grid->addWidget(lblStart, 0, 0);
  grid->addWidget(startRow_, 0, 1);

  txtEnd = new QLineEdit;
  txtEnd->setObjectName(QStringLiteral("txtEnd"));
  txtEnd->setValidator(new QIntValidator(0, 9999, txtEnd));
  txtEnd->setMaxLength(4);
  txtEnd->setFixedWidth(Scale(70));
  std::tie(btnEndMonths, btnEndYears) = RadioPair(this, "btnEndMonths", QStringLiteral("Months"),
                                                  "btnEndYears", QStringLiteral("Years"));
  auto* end = new QHBoxLayout;
  end->addWidget(txtEnd);
  end->addWidget(btnEndMonths);
  end->addWidget(btnEndYears);
  end->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("up to")), 1, 0);
  grid->addLayout(end, 1, 1);

  txtHours = HoursBox("txtHours");
  std::tie(btnPeriodHours, btnYearHours) =
      RadioPair(this, "btnPeriodHours", QStringLiteral("Hours for the period"), "btnYearHours",
                QStringLiteral("Hours per year"));
  auto* hours = new QHBoxLayout;
  hours->addWidget(txtHours);
  hours->addWidget(btnPeriodHours);
  hours->addWidget(btnYearHours);
  hours->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("will earn")), 2, 0);
  grid->addLayout(hours, 2, 1);

  txtCarryOver = HoursBox("txtCarryOver");
  auto* carry = new QHBoxLayout;
  carry->addWidget(txtCarryOver);
  carry->addWidget(new QLabel(QStringLiteral("hours into the next year")));
  carry->addStretch();
  grid->addWidget(new QLabel(QStringLiteral("and can carry over up to")), 3, 0);
  grid->addLayout(carry, 3, 1);
  texts->addLayout(grid);
  texts->addWidget(WrappedLabel(
      QStringLiteral("<b>Note:</b> The up to period can not be greater than 80 years (960 "
                     "months).")));
  texts->addStretch();
  row->addLayout(texts, 1);
  setTabOrder(txtEnd, btnEndMonths);
  setTabOrder(btnEndMonths, btnEndYears);
  setTabOrder(btnEndYears, txtHours);
  setTabOrder(txtHours, btnPeriodHours);
  setTabOrder(btnPeriodHours, btnYearHours);
  setTabOrder(btnYearHours, txtCarryOver);
  return page;
}

QWidget* TfrmRuleWizard::FinishPage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  row->addWidget(Picture());
  auto* texts = new QVBoxLayout;
  texts->addWidget(WrappedLabel(QStringLiteral(
      "Here is the policy information you just entered. If it is correct, click on the Finish  "
      "button.  If you need to make changes, click on the Back button.")));
  texts->addWidget(
      new QLabel(QStringLiteral("An employee who has worked for your company for...")));
  grdPolicy = new TPickGrid(QStringLiteral("hdrPolicy"), QStringLiteral("grdPolicy"),
                            {QStringLiteral("at least"), QStringLiteral("up to"),
                             QStringLiteral("will earn"), QStringLiteral("and carry over")},
                            {70, 70, 190, 100, 0}, kSummaryRows);
  grdPolicy->Grid()->setSelectionMode(QAbstractItemView::NoSelection);
  texts->addWidget(grdPolicy);
  texts->addStretch();
  row->addLayout(texts, 1);
  return page;
}

void TfrmRuleWizard::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  const bool skip = ReadInitFlag(kShowPolicyPageKey);
  chkDisplay->setChecked(skip);
  if (skip) cmdNextClick(0);
}

void TfrmRuleWizard::done(int result) {
  WriteInitFlag(kShowPolicyPageKey, chkDisplay->isChecked());
  grdPolicy->SaveColumnWidths();
  QDialog::done(result);
}

void TfrmRuleWizard::ShowRule(std::size_t index) {
  index_ = index;
  lblStart->setVisible(index > 0);
  startRow_->setVisible(index > 0);
  const int upTo = txtEnd->text().toInt();
  const int32_t appendedStart = btnEndYears->isChecked() ? upTo * 12 : upTo;
  const TFTRuleRecClass& rule = RuleAt(rules_, index, appendedStart);
  forPeriod_.resize(rules_.size(), false);
  const bool startYears = rule.StartMonth % 12 == 0;
  txtStart->setText(QString::number(startYears ? rule.StartMonth / 12 : rule.StartMonth));
  (startYears ? btnStartYears : btnStartMonths)->setChecked(true);
  const bool endYears = rule.EndMonth % 12 == 0;
  txtEnd->setText(QString::number(endYears ? rule.EndMonth / 12 : rule.EndMonth));
  (endYears ? btnEndYears : btnEndMonths)->setChecked(true);
  const bool period = forPeriod_[index] || std::floor(rule.Hours) != rule.Hours;
  (period ? btnPeriodHours : btnYearHours)->setChecked(true);
  txtHours->SetValue(HoursText(period ? HoursForPeriod(rule) : rule.Hours).toDouble());
  txtCarryOver->SetValue(HoursText(rule.CarryOver).toDouble());
  txtEnd->setFocus();
  txtEnd->selectAll();
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
  entry.UpTo = txtEnd->text().toInt();
  entry.UpToYears = btnEndYears->isChecked();
  entry.Hours = static_cast<float>(txtHours->Value());
  entry.ForPeriod = btnPeriodHours->isChecked();
  entry.CarryOver = static_cast<float>(txtCarryOver->Value());
  switch (StoreRule(rules_, index_, entry)) {
    case TLadderStep::NotGreater:
      MessageBoxTitled(QStringLiteral("The \"up to\" period must be greater than the \"at least\" "
                                      "period.  Please check your entry and make the necessary "
                                      "correction."),
                       TMsgKind::Information, mbOK, kUpToHelpContext);
      txtEnd->setFocus();
      return;
    case TLadderStep::Last:
      forPeriod_.resize(rules_.size());
      forPeriod_[index_] = entry.ForPeriod;
      flow_->GoTo(2);
      flow_->SetNext(QStringLiteral("&Finish"), false);
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
    flow_->SetNext(QStringLiteral("&Next"), true);
    ShowRule(index_);
  } else if (index_ > 0) {
    ShowRule(index_ - 1);
  } else {
    flow_->Back();
  }
}

void TfrmRuleWizard::FillSummary() {
  grdPolicy->Clear();
  for (std::size_t i = 0; i < rules_.size(); ++i) {
    QStringList cells;
    for (const std::string& text : RuleSummary(*rules_[i])) cells << QString::fromStdString(text);
    grdPolicy->AddRow(static_cast<int32_t>(i), cells, false);
  }
}

void TfrmRuleWizard::TakeRules(TRuleList& target) {
  target = std::move(rules_);
  rules_.clear();
}

}  // namespace absence::ui
