#include "ui/main/preferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/common/toolbar_style.h"

namespace absence::ui {
namespace {

constexpr double kSampleHours = 8.69;

// Days of each month as the benefit year counts them.
int MonthLength(int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[(month - 1 + 12) % 12];
}

QString MonthName(int month) {
  return QLocale().monthName(month, QLocale::LongFormat);
}

// An up-down whose text the user cannot type into; it shows `format(value)`.
class TUpDown : public QSpinBox {
 public:
  explicit TUpDown(std::function<QString(int)> format) : format_(std::move(format)) {
    lineEdit()->setReadOnly(true);
  }
  QString textFromValue(int value) const override { return format_(value); }
  int valueFromText(const QString&) const override { return value(); }

 private:
  std::function<QString(int)> format_;
};

QString Hundredths(int value) {
  return QString::asprintf("%3.2f", value / 100.0);
}

QRadioButton* AddRadio(QButtonGroup* group, QLayout* layout, const QString& text, int id,
                       const char* name = nullptr) {
  auto* b = new QRadioButton(text);
  if (name) b->setObjectName(QString::fromLatin1(name));
  group->addButton(b, id);
  layout->addWidget(b);
  return b;
}

QLineEdit* ReadOnlyBox(const char* name) {
  auto* box = new QLineEdit;
  box->setObjectName(QString::fromLatin1(name));
  box->setReadOnly(true);
  return box;
}

}  // namespace

QString UserYearStart(int month, int day) {
  return MonthName(month) + u' ' + QString::number(day);
}

QString UserYearEnd(int month, int day) {
  if (day >= 2) return MonthName(month) + u' ' + QString::number(day - 1);
  const int previous = month == 1 ? 12 : month - 1;
  return MonthName(previous) + u' ' + QString::number(MonthLength(previous));
}

TfrmPreferences::TfrmPreferences(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmPreferences"));
  setWindowTitle(tr("Preferences"));
  nbNoteBook = new QTabWidget;
  nbNoteBook->setObjectName(QStringLiteral("nbNoteBook"));
  nbNoteBook->setUsesScrollButtons(false);
  nbNoteBook->addTab(CreateToolBarPage(), tr("Tool Bar"));
  nbNoteBook->addTab(CreateHourPage(), tr("Hour Display"));
  nbNoteBook->addTab(CreateEmployeePage(), tr("Employees"));
  nbNoteBook->addTab(CreateDefaultHoursPage(), tr("Default Hours"));
  nbNoteBook->addTab(CreateUserYearPage(), tr("User Year"));
  nbNoteBook->addTab(CreateOrganizationPage(), tr("Organization"));
  nbNoteBook->setCurrentIndex(0);

  auto* buttons = new QVBoxLayout;
  buttons->addSpacing(nbNoteBook->tabBar()->sizeHint().height());
  CreateButtons(this, buttons, kPreferencesHelpContext);
  buttons->addStretch();
  connect(OkButton(), &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(nbNoteBook, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TfrmPreferences::CreateToolBarPage() {
  auto* page = new QWidget;
  auto* group = new QButtonGroup(page);
  auto* choices = new QVBoxLayout;
  choices->addWidget(new QLabel(tr("Display Tool Bar buttons:")));
  btnPictureOnly = AddRadio(group, choices, tr("&Picture Only"), 0, "btnPictureOnly");
  btnTextOnly = AddRadio(group, choices, tr("Te&xt Only"), 1, "btnTextOnly");
  btnBoth = AddRadio(group, choices, tr("Picture &and Text"), 2, "btnBoth");
  choices->addSpacing(Scale(8));
  chkFlat = new QCheckBox(tr("Show Button &Border"));
  chkFlat->setObjectName(QStringLiteral("chkFlat"));
  choices->addWidget(chkFlat);
  choices->addStretch();
  spdTest = new QToolButton;
  spdTest->setObjectName(QStringLiteral("spdTest"));
  spdTest->setText(tr("&Test"));
  spdTest->setToolTip(tr("Test Button"));
  spdTest->setIcon(ResourceIcon(QStringLiteral("Test")));
  spdTest->setIconSize(QSize(Scale(20), Scale(20)));
  spdTest->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(choices, 1);
  layout->addWidget(spdTest, 0, Qt::AlignCenter);
  layout->addSpacing(Scale(24));
  connect(group, &QButtonGroup::idClicked, this, &TfrmPreferences::ShowTestButton);
  connect(chkFlat, &QCheckBox::toggled, this, &TfrmPreferences::ShowTestButton);
  return page;
}

QWidget* TfrmPreferences::CreateHourPage() {
  auto* page = new QWidget;
  btnHoursGroup = new QButtonGroup(page);
  btnHoursGroup->setObjectName(QStringLiteral("btnHoursGroup"));
  auto* box = new QGroupBox(tr("Display hours to the nearest:"));
  auto* radios = new QVBoxLayout(box);
  AddRadio(btnHoursGroup, radios, tr("&Whole"), 0);
  AddRadio(btnHoursGroup, radios, tr("&Tenth"), 1);
  AddRadio(btnHoursGroup, radios, tr("&Hundredth"), 2);
  Edit1 = ReadOnlyBox("Edit1");
  Edit1->setText(QString::asprintf("%.2f", kSampleHours));
  HourDisplay = ReadOnlyBox("HourDisplay");
  for (QLineEdit* e : {Edit1, HourDisplay}) {
    e->setFocusPolicy(Qt::NoFocus);
    e->setMaximumWidth(Scale(60));
  }
  auto* sample = new QGridLayout;
  sample->addWidget(new QLabel(tr("Actual")), 0, 0);
  sample->addWidget(Edit1, 0, 1);
  sample->addWidget(new QLabel(tr("Display")), 1, 0);
  sample->addWidget(HourDisplay, 1, 1);
  sample->setRowStretch(2, 1);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(box, 1);
  layout->addLayout(sample);
  connect(btnHoursGroup, &QButtonGroup::idClicked, this, &TfrmPreferences::btnHoursGroupClick);
  return page;
}

QWidget* TfrmPreferences::CreateEmployeePage() {
  auto* page = new QWidget;
  EmployeeGroup = new QButtonGroup(page);
  EmployeeGroup->setObjectName(QStringLiteral("EmployeeGroup"));
  auto* box = new QGroupBox(tr("Display and select from:"));
  auto* radios = new QVBoxLayout(box);
  AddRadio(EmployeeGroup, radios, tr("&All Employees"), 0);
  AddRadio(EmployeeGroup, radios, tr("&Current Employees"), 1);
  AddRadio(EmployeeGroup, radios, tr("&Former Employees"), 2);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(box);
  layout->addStretch();
  return page;
}

QWidget* TfrmPreferences::CreateDefaultHoursPage() {
  auto* page = new QWidget;
  lblDefault = new QLabel(tr("&Default Hours per Absence Entry:"));
  lblDefault->setObjectName(QStringLiteral("lblDefault"));
  UpDown1 = new TUpDown(Hundredths);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(0, 2400);
  UpDown1->setSingleStep(5);
  UpDown1->setMaximumWidth(Scale(80));
  txtDefaultHours = UpDown1->findChild<QLineEdit*>();
  txtDefaultHours->setObjectName(QStringLiteral("txtDefaultHours"));
  lblDefault->setBuddy(UpDown1);
  // Recording in days is kept from the settings file but not offered.
  AbsenceGroup = new QGroupBox(tr("Record and display time in:"));
  AbsenceGroup->setObjectName(QStringLiteral("AbsenceGroup"));
  AbsenceButtons = new QButtonGroup(page);
  AbsenceButtons->setObjectName(QStringLiteral("AbsenceButtons"));
  auto* radios = new QVBoxLayout(AbsenceGroup);
  AddRadio(AbsenceButtons, radios, tr("Hours"), 0);
  AddRadio(AbsenceButtons, radios, tr("Days"), 1);
  AbsenceGroup->hide();
  auto* row = new QHBoxLayout;
  row->addWidget(lblDefault);
  row->addWidget(UpDown1);
  row->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(row);
  layout->addWidget(AbsenceGroup);
  layout->addStretch();
  connect(AbsenceButtons, &QButtonGroup::idClicked, this, &TfrmPreferences::AbsenceGroupClick);
  return page;
}

QWidget* TfrmPreferences::CreateUserYearPage() {
  auto* page = new QWidget;
  txtStartYear = ReadOnlyBox("txtStartYear");
  txtEndYear = ReadOnlyBox("txtEndYear");
  for (QLineEdit* e : {txtStartYear, txtEndYear}) {
    e->setFocusPolicy(Qt::NoFocus);
    e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("September 30")) +
                       Scale(12));
  }
  cboMonth = new QComboBox;
  cboMonth->setObjectName(QStringLiteral("cboMonth"));
  for (int m = 1; m <= 12; ++m) cboMonth->addItem(MonthName(m));
  UpDown2 = new TUpDown([](int v) { return QString::number(v); });
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setRange(1, 31);
  UpDown2->setMaximumWidth(Scale(60));
  txtUserDay = UpDown2->findChild<QLineEdit*>();
  txtUserDay->setObjectName(QStringLiteral("txtUserDay"));

  auto* year = new QHBoxLayout;
  year->addWidget(txtStartYear);
  year->addWidget(new QLabel(tr("To")));
  year->addWidget(txtEndYear);
  year->addStretch();
  auto* grid = new QGridLayout;
  auto* monthLabel = new QLabel(tr("Start &Month"));
  monthLabel->setBuddy(cboMonth);
  auto* dayLabel = new QLabel(tr("Start Da&y"));
  dayLabel->setBuddy(UpDown2);
  grid->addWidget(monthLabel, 0, 0);
  grid->addWidget(cboMonth, 1, 0);
  grid->addWidget(dayLabel, 0, 1);
  grid->addWidget(UpDown2, 1, 1);
  grid->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(tr("Define the benefit year as:")));
  layout->addLayout(year);
  layout->addSpacing(Scale(8));
  layout->addLayout(grid);
  layout->addStretch();
  connect(cboMonth, &QComboBox::currentIndexChanged, this, &TfrmPreferences::cboMonthChange);
  connect(UpDown2, &QSpinBox::valueChanged, this, &TfrmPreferences::UpdateYearText);
  return page;
}

QWidget* TfrmPreferences::CreateOrganizationPage() {
  auto* page = new QWidget;
  txtOrganization = new QLineEdit;
  txtOrganization->setObjectName(QStringLiteral("txtOrganization"));
  txtOrganization->setMaxLength(80);
  auto* label = new QLabel(tr("&Organization name:"));
  label->setBuddy(txtOrganization);
  auto* note = new QLabel(tr("Printed at the top of every report and list."));
  note->setWordWrap(true);
  spnGenerations = new QSpinBox;
  spnGenerations->setObjectName(QStringLiteral("spnGenerations"));
  spnGenerations->setRange(0, kMaxGenerations);
  auto* generationsLabel = new QLabel(tr("&Automatic backups kept:"));
  generationsLabel->setBuddy(spnGenerations);
  auto* generationsNote =
      new QLabel(tr("Each save keeps the data it replaces in the Backups folder beside the "
                    "data files; 0 keeps none."));
  generationsNote->setWordWrap(true);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(label);
  layout->addWidget(txtOrganization);
  layout->addWidget(note);
  layout->addSpacing(Scale(12));
  layout->addWidget(generationsLabel);
  layout->addWidget(spnGenerations);
  layout->addWidget(generationsNote);
  layout->addStretch();
  return page;
}

void TfrmPreferences::Load(const TSettings& s) {
  SetHourFormat(s.HourFormat);
  SetBenefitDay(s.BenefitDay);
  SetBenefitMonth(s.BenefitMonth);
  SetToolCaption(s.ToolCaption);
  SetShowButtonBorder(s.ShowButtonBorder);
  SetEmployeeDisplay(s.EmployeeDisplay);
  SetRecordTime(s.RecordTime);
  SetDefaultHours(s.DefaultHours);
  SetOrganization(s.Organization);
  spnGenerations->setValue(s.Generations);
}

TPreferencesChanges TfrmPreferences::Store(TSettings& s) const {
  TPreferencesChanges c;
  c.Balances = s.HourFormat != GetHourFormat() || s.BenefitMonth != GetBenefitMonth() ||
               s.BenefitDay != GetBenefitDay();
  s.HourFormat = GetHourFormat();
  s.BenefitMonth = GetBenefitMonth();
  s.BenefitDay = GetBenefitDay();
  c.Toolbar = s.ToolCaption != GetToolCaption() || s.ShowButtonBorder != GetShowButtonBorder();
  s.ToolCaption = GetToolCaption();
  s.ShowButtonBorder = GetShowButtonBorder();
  c.EmployeeDisplay = s.EmployeeDisplay != GetEmployeeDisplay();
  s.EmployeeDisplay = GetEmployeeDisplay();
  s.RecordTime = GetRecordTime();
  s.DefaultHours = GetDefaultHours();
  s.Organization = GetOrganization();
  s.Generations = spnGenerations->value();
  return c;
}

void TfrmPreferences::SetHourFormat(THourFormat format) {
  btnHoursGroup->button(static_cast<int>(format))->setChecked(true);
  btnHoursGroupClick();
}

THourFormat TfrmPreferences::GetHourFormat() const {
  switch (btnHoursGroup->checkedId()) {
    case 0:
      return THourFormat::Whole;
    case 1:
      return THourFormat::Tenth;
    default:
      return THourFormat::Hundredth;
  }
}

void TfrmPreferences::btnHoursGroupClick() {
  const int decimals = std::max(0, btnHoursGroup->checkedId());
  HourDisplay->setText(QString::number(kSampleHours, 'f', decimals));
}

void TfrmPreferences::SetToolCaption(TToolCaption toolCaption) {
  (toolCaption == TToolCaption::Picture ? btnPictureOnly
   : toolCaption == TToolCaption::Text  ? btnTextOnly
                                        : btnBoth)
      ->setChecked(true);
  ShowTestButton();
}

TToolCaption TfrmPreferences::GetToolCaption() const {
  return btnPictureOnly->isChecked() ? TToolCaption::Picture
         : btnTextOnly->isChecked()  ? TToolCaption::Text
                                     : TToolCaption::PictureAndText;
}

void TfrmPreferences::SetShowButtonBorder(bool show) {
  chkFlat->setChecked(show);
  ShowTestButton();
}

bool TfrmPreferences::GetShowButtonBorder() const {
  return chkFlat->isChecked();
}

void TfrmPreferences::ShowTestButton() {
  const TToolCaption caption = GetToolCaption();
  StyleToolButton(spdTest, caption, chkFlat->isChecked());
  // The sample keeps the size a toolbar button of that style has.
  if (caption == TToolCaption::Text)
    spdTest->setFixedSize(Scale(40), Scale(27));
  else if (caption == TToolCaption::PictureAndText)
    spdTest->setFixedSize(std::max(Scale(40), spdTest->sizeHint().width()),
                          std::max(Scale(41), spdTest->sizeHint().height()));
}

void TfrmPreferences::SetBenefitMonth(int month) {
  cboMonth->setCurrentIndex(std::clamp(month, 1, 12) - 1);
  cboMonthChange(cboMonth->currentIndex());
}

int TfrmPreferences::GetBenefitMonth() const {
  return cboMonth->currentIndex() + 1;
}

void TfrmPreferences::SetBenefitDay(int day) {
  UpDown2->setValue(std::clamp(day, 1, 31));
  UpdateYearText();
}

int TfrmPreferences::GetBenefitDay() const {
  return UpDown2->value();
}

void TfrmPreferences::cboMonthChange(int index) {
  const int days = MonthLength(index + 1);
  const QSignalBlocker block(UpDown2);
  if (UpDown2->value() > days) UpDown2->setValue(days);
  UpDown2->setMaximum(days);
  UpdateYearText();
}

void TfrmPreferences::UpdateYearText() {
  txtStartYear->setText(UserYearStart(GetBenefitMonth(), GetBenefitDay()));
  txtEndYear->setText(UserYearEnd(GetBenefitMonth(), GetBenefitDay()));
}

void TfrmPreferences::SetEmployeeDisplay(TEmployeeDisplay display) {
  EmployeeGroup->button(static_cast<int>(display))->setChecked(true);
}

TEmployeeDisplay TfrmPreferences::GetEmployeeDisplay() const {
  return static_cast<TEmployeeDisplay>(std::clamp(EmployeeGroup->checkedId(), 0, 2));
}

void TfrmPreferences::SetRecordTime(TRecordTime recordTime) {
  AbsenceButtons->button(static_cast<int>(recordTime))->setChecked(true);
  AbsenceGroupClick();
}

TRecordTime TfrmPreferences::GetRecordTime() const {
  return AbsenceButtons->checkedId() == 1 ? TRecordTime::Days : TRecordTime::Hours;
}

void TfrmPreferences::AbsenceGroupClick() {
  lblDefault->setText(GetRecordTime() == TRecordTime::Days ? tr("&Default Days per Entry")
                                                           : tr("&Default Hours per Entry"));
}

void TfrmPreferences::SetDefaultHours(float hours) {
  UpDown1->setMaximum(2400);
  UpDown1->setValue(static_cast<int>(std::lround(static_cast<double>(hours) * 100)));
}

float TfrmPreferences::GetDefaultHours() const {
  return txtDefaultHours->text().trimmed().toFloat();
}

void TfrmPreferences::SetOrganization(const std::string& name) {
  txtOrganization->setText(QString::fromStdString(name));
}

std::string TfrmPreferences::GetOrganization() const {
  return txtOrganization->text().trimmed().toStdString();
}

void TfrmPreferences::showEvent(QShowEvent* event) {
  cursor_.Shown();
  QDialog::showEvent(event);
  UpdateYearText();
}

void TfrmPreferences::hideEvent(QHideEvent* event) {
  cursor_.Hidden();
  QDialog::hideEvent(event);
}

}  // namespace absence::ui
