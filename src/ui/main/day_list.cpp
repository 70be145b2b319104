#include "ui/main/day_list.h"

#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QVBoxLayout>

#include "ui/common/date_text.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kItemsShown = 6;

}  // namespace

TDayList::TDayList(TDataSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlEmpData"));
  auto* day = new QVBoxLayout(this);
  day->setContentsMargins(0, 0, 0, 0);
  day->setSpacing(Scale(2));
  lblDayViewDate = new QLabel(QStringLiteral("Entries for"));
  lblDayViewDate->setObjectName(QStringLiteral("lblDayViewDate"));
  // A narrow window breaks the heading rather than cutting it.
  lblDayViewDate->setWordWrap(true);
  lstViewDay = new QListWidget;
  lstViewDay->setObjectName(QStringLiteral("lstViewDay"));
  lstViewDay->setSelectionMode(QAbstractItemView::SingleSelection);
  lstViewDay->setUniformItemSizes(true);
  lstViewDay->setIconSize(QSize(Scale(13), Scale(13)));
  lstViewDay->setFixedHeight(kItemsShown * Scale(15) + 2 * lstViewDay->frameWidth());
  day->addWidget(lblDayViewDate);
  day->addWidget(lstViewDay);
  day->addStretch();
}

void TDayList::ShowDayEntries(TDate date) {
  const QDate q = ToQDate(date);
  const QLocale locale = QLocale::system();
  lblDayViewDate->setText(QStringLiteral("Entries for ") +
                          locale.dayName(q.dayOfWeek(), QLocale::LongFormat) +
                          QStringLiteral(",  ") + locale.monthName(q.month(), QLocale::LongFormat) +
                          u' ' + QString::number(q.day()));
  lstViewDay->clear();
  const QIcon globe(ResourcePicture(QStringLiteral("Globe"), 13));
  const TDataSet& dataSet = session_.Data();
  TEntryList onDate;
  for (const auto& emp : dataSet.EmpList) {
    if (emp->Deleted) continue;
    EntriesOnDate(onDate, &emp->Entries, date);
    for (const auto& entry : onDate) {
      const TAbsenceRecClass& e = *entry;
      auto* item =
          new QListWidgetItem(QString::fromStdString(emp->FullName() + " - " +
                                                     ReasonText(dataSet.ReasonList, e.ReasonID)),
                              lstViewDay);
      item->setSizeHint(QSize(0, Scale(15)));
      item->setData(kEmpIDRole, emp->EmpID);
      item->setData(kReasonIDRole, e.ReasonID);
      item->setData(kKindRole, QVariant::fromValue(e.Kind));
      item->setData(kDateRole, date);
      if (e.IsGlobal()) item->setIcon(globe);
    }
  }
}

}  // namespace absence::ui
