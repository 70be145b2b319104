#include "ui/main/day_list.h"

#include <QAbstractListModel>
#include <QIcon>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QVBoxLayout>
#include <vector>

#include "ui/common/date_text.h"
#include "ui/common/item_roles.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
// One row per live entry on the date, employee by employee in list order; the row's record is
// its employee.
class TDayEntriesModel : public QAbstractListModel {
 public:
  TDayEntriesModel(TDataSession& session, QObject* parent)
      : QAbstractListModel(parent),
        session_(session),
        globe_(ResourcePicture(QStringLiteral("Globe"), 13)) {
    connect(&session, &TDataSession::Changed, this, [this] { Refresh(); });
    connect(&session, &TDataSession::Reloaded, this, [this] { Refresh(); });
  }

  void Show(TDate date) {
    date_ = date;
    Refresh();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const TRow& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
      case Qt::DisplayRole:
        return row.Text;
      case Qt::DecorationRole:
        return row.Global ? QVariant(globe_) : QVariant();
      case kRecordIdRole:
        return row.EmpID;
      case Qt::SizeHintRole:
        return QSize(0, Scale(15));
      default:
        return {};
    }
  }

 private:
  struct TRow {
    int32_t EmpID = 0;
    QString Text;
    bool Global = false;
  };

  void Refresh() {
    beginResetModel();
    rows_.clear();
    const TDataSet& dataSet = session_.Data();
    TEntryList onDate;
    for (const auto& emp : dataSet.EmpList) {
      if (emp->Deleted) continue;
      EntriesOnDate(onDate, &emp->Entries, date_);
      for (const auto& entry : onDate) {
        std::string text = emp->FullName();
        text += " - ";
        text += ReasonText(dataSet.ReasonList, entry->ReasonID);
        rows_.push_back({emp->EmpID, QString::fromStdString(text), entry->IsGlobal()});
      }
    }
    endResetModel();
  }

  TDataSession& session_;
  QIcon globe_;
  TDate date_ = 0;
  std::vector<TRow> rows_;
};

TDayList::TDayList(TDataSession& session, QWidget* parent)
    : QWidget(parent), model_(new TDayEntriesModel(session, this)) {
  setObjectName(QStringLiteral("pnlEmpData"));
  auto* day = new QVBoxLayout(this);
  day->setContentsMargins(0, 0, 0, 0);
  day->setSpacing(Scale(2));
  dateLabel_ = new QLabel(tr("Entries for"));
  dateLabel_->setObjectName(QStringLiteral("lblDayViewDate"));
  // A narrow window breaks the heading rather than cutting it.
  dateLabel_->setWordWrap(true);
  auto* list = new QListView;
  list->setObjectName(QStringLiteral("lstViewDay"));
  list->setModel(model_);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setUniformItemSizes(true);
  list->setIconSize(QSize(Scale(13), Scale(13)));
  // The list takes the panel's height.
  list->setMinimumHeight(Scale(15) + 2 * list->frameWidth());
  day->addWidget(dateLabel_);
  day->addWidget(list, 1);
}

void TDayList::ShowDayEntries(TDate date) {
  const QDate q = ToQDate(date);
  const QLocale locale = QLocale::system();
  //: The heading over the day's entries: weekday, month, day.
  dateLabel_->setText(tr("Entries for %1,  %2 %3")
                          .arg(locale.dayName(q.dayOfWeek(), QLocale::LongFormat),
                               locale.monthName(q.month(), QLocale::LongFormat),
                               QString::number(q.day())));
  model_->Show(date);
}

}  // namespace absence::ui
