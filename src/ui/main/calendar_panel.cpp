#include "ui/main/calendar_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/calendar_grid.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

QString MonthAndYear(TDate d) {
  const QDate q = ToQDate(d);
  return QLocale::system().monthName(q.month(), QLocale::LongFormat) + u' ' +
         QString::number(q.year());
}

}  // namespace

TCalendarPanel::TCalendarPanel(TDataSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlMain"));
  CreateControls();
  connect(grdCalendar, &TCalendarGrid::DayClicked, this, &TCalendarPanel::DayChosen);
}

void TCalendarPanel::CreateControls() {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(Scale(8), Scale(4), Scale(8), Scale(4));
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(Scale(2));

  auto* top = new QHBoxLayout;
  auto* lblReason = new QLabel(QStringLiteral("Reason"));
  cboReasonBox = new TPVComboBox;
  cboReasonBox->setObjectName(QStringLiteral("cboReasonBox"));
  cboReasonBox->setMinimumWidth(Scale(160));
  SetHint(cboReasonBox,
          QStringLiteral("|Drag the Reason to the selected date(s) to add a Absence entry."));
  lblReason->setBuddy(cboReasonBox);
  lblMonth = new QLabel;
  lblMonth->setObjectName(QStringLiteral("lblMonth"));
  QFont monthFont = lblMonth->font();
  monthFont.setBold(true);
  monthFont.setPointSizeF(monthFont.pointSizeF() * 1.25);
  lblMonth->setFont(monthFont);
  lblMonth->setAlignment(Qt::AlignCenter);
  imgTrash = new QLabel;
  imgTrash->setObjectName(QStringLiteral("imgTrash"));
  imgTrash->setVisible(false);
  top->addWidget(lblReason);
  top->addSpacing(Scale(6));
  top->addWidget(cboReasonBox);
  top->addStretch(1);
  top->addWidget(lblMonth);
  top->addStretch(1);
  top->addWidget(imgTrash);
  grid->addLayout(top, 0, 0, 1, TCalendarGrid::kColumns + 1);

  const QLocale locale = QLocale::system();
  static constexpr const char* kDayLabelNames[] = {"lblSunday",    "lblMonday",   "lblTuesday",
                                                   "lblWednesday", "lblThursday", "lblFriday",
                                                   "lblSaturday"};
  for (int i = 0; i < TCalendarGrid::kColumns; ++i) {
    // Qt counts Monday as 1 and Sunday as 7; the calendar starts on Sunday.
    lblDays[i] = new QLabel(locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat));
    lblDays[i]->setObjectName(QString::fromLatin1(kDayLabelNames[i]));
    lblDays[i]->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblDays[i], 1, i);
  }

  grdCalendar = new TCalendarGrid;
  grdCalendar->setMinimumHeight(Scale(160));
  grid->addWidget(grdCalendar, 2, 0, 1, TCalendarGrid::kColumns);

  auto* scroll = new QVBoxLayout;
  scroll->setSpacing(0);
  spdCalendarUp = new QToolButton;
  spdCalendarUp->setObjectName(QStringLiteral("spdCalendarUp"));
  spdCalendarUp->setArrowType(Qt::UpArrow);
  SetHint(spdCalendarUp, QStringLiteral("Back one week"));
  spdCalendarDown = new QToolButton;
  spdCalendarDown->setObjectName(QStringLiteral("spdCalendarDown"));
  spdCalendarDown->setArrowType(Qt::DownArrow);
  SetHint(spdCalendarDown, QStringLiteral("Forward one week"));
  for (QToolButton* b : {spdCalendarUp, spdCalendarDown}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(Scale(18));
    scroll->addWidget(b);
  }
  grid->addLayout(scroll, 2, TCalendarGrid::kColumns);
  grid->setRowStretch(2, 1);
}

bool TCalendarPanel::LoadReasons() {
  cboReasonBox->clear();
  for (const auto& reason : session_.Data().ReasonList) {
    if (!reason->Active || reason->Deleted) continue;
    cboReasonBox->AddItem(QString::fromStdString(reason->Description), reason->ReasonID);
  }
  if (cboReasonBox->count() > 0) cboReasonBox->setCurrentIndex(0);
  return cboReasonBox->count() > 0;
}

void TCalendarPanel::ShowWeeks(TDate date) {
  grdCalendar->ShowWeeks(date);
  const TDate first = grdCalendar->StartDate();
  const TDate last = grdCalendar->CellDate(TCalendarGrid::kColumns - 1, TCalendarGrid::kRows - 1);
  QString caption = MonthAndYear(first);
  if (ToQDate(last).month() != ToQDate(first).month())
    caption += QStringLiteral(" - ") + MonthAndYear(last);
  lblMonth->setText(caption);
  FillCells();
  emit WeeksShown();
}

void TCalendarPanel::ShowEmployee(int32_t empID) {
  empID_ = empID;
  FillCells();
  grdCalendar->ClearPicks();
}

void TCalendarPanel::FillCells() {
  const TEmpRecClass* emp = session_.Employee(empID_);
  const TSettings& s = App().Settings;
  for (int row = 0; row < TCalendarGrid::kRows; ++row)
    for (int col = 0; col < TCalendarGrid::kColumns; ++col) {
      const TDate d = grdCalendar->CellDate(col, row);
      grdCalendar->SetCell(
          col, row,
          emp ? BuildCellText(d, App().DatePattern, *emp, session_.Data().ReasonList,
                              s.BenefitMonth, s.BenefitDay)
              : DateCell(d, App().DatePattern));
    }
}

TDate TCalendarPanel::BalanceDate() const {
  return grdCalendar->CellDate(6, 2);
}

void TCalendarPanel::ShowTrash() {
  imgTrash->setPixmap(ResourcePicture(QStringLiteral("Trash_Empty"), 32));
  SetHint(imgTrash,
          QStringLiteral("Delete Absence|Drag a Absence entry to the trash can to remove it"));
  imgTrash->setVisible(true);
}

void TCalendarPanel::ClearPicks() {
  grdCalendar->ClearPicks();
}

}  // namespace absence::ui
