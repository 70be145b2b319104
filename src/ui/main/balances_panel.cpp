#include "ui/main/balances_panel.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "accrual/balances.h"
#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/item_roles.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

enum TBalanceColumn { kReasonColumn, kYearColumn, kUsedColumn, kAvailableColumn, kBalanceColumn };
constexpr int kColumns = 5;
constexpr int kRowHeight = 16;
constexpr int kRowsShown = 4;
// The date the accrual engine is asked about for a row; no value while no employee is shown.
constexpr int kAsOfRole = Qt::UserRole + 10;

}  // namespace

// One row per active reason in list order, with the shown employee's figures as numbers; the
// texts follow the hour format whenever they are drawn.
class TBalancesModel : public QAbstractTableModel {
 public:
  explicit TBalancesModel(TDataSession& session, QObject* parent)
      : QAbstractTableModel(parent), session_(session) {
    connect(&session, &TDataSession::Changed, this, [this] { Refresh(); });
    connect(&session, &TDataSession::Reloaded, this, [this] { Refresh(); });
  }

  void Show(int32_t empID, TDate date) {
    empID_ = empID;
    date_ = date;
    Refresh();
  }

  int32_t ReasonID(int row) const { return rows_[static_cast<std::size_t>(row)].ReasonID; }
  std::optional<TDate> AsOf(int row) const { return rows_[static_cast<std::size_t>(row)].AsOf; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : kColumns;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const TRow& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const std::optional<double> figure = Figure(row, column);
    switch (role) {
      case Qt::DisplayRole:
        if (column == kReasonColumn) return row.Name;
        if (column == kYearColumn) return row.Year;
        return figure ? QString::fromStdString(
                            FormatNumber(*figure, HourFormatPattern(App().Settings.HourFormat)))
                      : QString();
      case kRecordIdRole:
        return row.ReasonID;
      case kSortValueRole:
        return figure ? QVariant(*figure) : QVariant();
      case kAsOfRole:
        return row.AsOf ? QVariant(*row.AsOf) : QVariant();
      case Qt::TextAlignmentRole:
        return column >= kUsedColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                     : int(Qt::AlignLeft | Qt::AlignVCenter);
      // A negative figure stands out.
      case Qt::ForegroundRole:
        return figure && *figure < 0 ? QVariant(QColor(Qt::red)) : QVariant();
      case Qt::FontRole:
        if (figure && *figure < 0) {
          QFont bold;
          bold.setBold(true);
          return bold;
        }
        return {};
      default:
        return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
      case kReasonColumn:
        return TBalancesPanel::tr("Reason");
      case kYearColumn:
        return TBalancesPanel::tr("Year");
      case kUsedColumn:
        return TBalancesPanel::tr("Used");
      case kAvailableColumn:
        return TBalancesPanel::tr("Available");
      case kBalanceColumn:
        return TBalancesPanel::tr("Balance");
      default:
        return {};
    }
  }

 private:
  struct TRow {
    int32_t ReasonID = 0;
    QString Name;
    QString Year;
    std::optional<TDate> AsOf;
    std::optional<double> Used, Available, Balance;
  };

  static std::optional<double> Figure(const TRow& row, int column) {
    if (column == kUsedColumn) return row.Used;
    if (column == kAvailableColumn) return row.Available;
    if (column == kBalanceColumn) return row.Balance;
    return std::nullopt;
  }

  // Rows for the reasons as they are now; the figures when the employee is still there. The
  // rows stay put (and with them the picked row) while the reasons are the same.
  void Refresh() {
    const TDataSet& data = session_.Data();
    std::vector<TRow> rows;
    for (const auto& reason : data.ReasonList) {
      if (!reason->Active || reason->Deleted) continue;
      TRow row;
      row.ReasonID = reason->ReasonID;
      row.Name = QString::fromStdString(reason->Description);
      row.Year = QString::fromStdString(PanelYearText(*reason));
      rows.push_back(std::move(row));
    }
    if (const TEmpRecClass* emp = session_.Employee(empID_)) {
      const TBenefitYear by =
          NormalizeBenefitYear(App().Settings.BenefitMonth, App().Settings.BenefitDay);
      for (TRow& row : rows) {
        const TReasonRecClass& reason = *session_.Reason(row.ReasonID);
        const TPanelBalance b = PanelBalance(*emp, data.ReasonList, reason, date_, by);
        row.AsOf = PanelAsOfDate(reason, *emp, date_, by);
        if (!b.UsedText.empty()) row.Used = RoundFixed2(b.Used);
        if (b.Available) row.Available = RoundFixed2(*b.Available);
        row.Balance = b.Balance;
      }
    }
    const bool sameRows =
        rows.size() == rows_.size() &&
        std::equal(rows.begin(), rows.end(), rows_.begin(),
                   [](const TRow& a, const TRow& b) { return a.ReasonID == b.ReasonID; });
    if (!sameRows) beginResetModel();
    rows_ = std::move(rows);
    if (!sameRows)
      endResetModel();
    else if (!rows_.empty())
      emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
  }

  TDataSession& session_;
  int32_t empID_ = 0;
  TDate date_ = 0;
  std::vector<TRow> rows_;
};

TBalancesPanel::TBalancesPanel(TDataSession& session, QWidget* parent)
    : QWidget(parent), model_(new TBalancesModel(session, this)) {
  setObjectName(QStringLiteral("pnlAccruals"));
  auto* panel = new QVBoxLayout(this);
  panel->setContentsMargins(0, 0, 0, 0);
  panel->setSpacing(Scale(2));
  auto* title = new QHBoxLayout;
  auto* heading = new QLabel(tr("Employee Absence Reason Balances for:"));
  heading->setObjectName(QStringLiteral("lblAccrual"));
  yearLabel_ = new QLabel;
  yearLabel_->setObjectName(QStringLiteral("lblBalanceYear"));
  QFont bold = yearLabel_->font();
  bold.setBold(true);
  yearLabel_->setFont(bold);
  title->addWidget(heading);
  title->addSpacing(4);
  title->addWidget(yearLabel_);
  title->addStretch();
  panel->addLayout(title);

  // The year column is wide enough for "Anniv" in the font of this desktop.
  const int yearWidth =
      std::max(35, QFontMetrics(font()).horizontalAdvance(QStringLiteral("Anniv")) + 8);
  designWidths_ = {153, yearWidth, 49, 56, 60};

  table_ = new QTableView;
  table_->setObjectName(QStringLiteral("grdBalances"));
  table_->setModel(model_);
  QHeaderView* header = table_->horizontalHeader();
  header->setObjectName(QStringLiteral("hdrBalances"));
  header->setSectionsClickable(false);
  header->setSectionsMovable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(0);
  header->setMaximumSectionSize(324);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setFixedHeight(header->fontMetrics().height() + 8);
  for (int c = 0; c < kColumns; ++c) header->resizeSection(c, designWidths_[c]);
  QHeaderView* rows = table_->verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(1);
  rows->setDefaultSectionSize(kRowHeight);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Whole rows only, also after wheel scrolling.
  table_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A row is chosen to see how its balance was reached; the table is no tab stop.
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setFocusPolicy(Qt::ClickFocus);
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->installEventFilter(this);
  // The last column takes what the others leave, less the scroll bar when it shows.
  table_->viewport()->installEventFilter(this);
  connect(header, &QHeaderView::sectionResized, this, [this] { FitLastColumn(); });
  connect(table_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { ExplainRow(index.row()); });
  table_->setFixedWidth(Scale(156 + 50 + 57 + 61 + 4) + Scale(yearWidth + 1));
  panel->addWidget(table_);
  panel->addStretch();
}

void TBalancesPanel::LoadColumnWidths() {
  absence::ui::LoadColumnWidths(table_, designWidths_);
  QHeaderView* rows = table_->verticalHeader();
  rows->setDefaultSectionSize(Scale(kRowHeight));
  table_->setFixedHeight(table_->horizontalHeader()->height() +
                         kRowsShown * rows->defaultSectionSize() + 2 * table_->frameWidth());
  FitLastColumn();
}

void TBalancesPanel::SaveColumnWidths() const {
  absence::ui::SaveColumnWidths(table_);
}

void TBalancesPanel::FitLastColumn() {
  QHeaderView* header = table_->horizontalHeader();
  const int last = header->count() - 1;
  int used = 0;
  for (int c = 0; c < last; ++c) used += header->sectionSize(c);
  const int width = std::max(0, table_->viewport()->width() - used);
  if (last >= 0 && header->sectionSize(last) != width) header->resizeSection(last, width);
}

void TBalancesPanel::SetYear(int year) {
  yearLabel_->setText(QString::number(year));
}

void TBalancesPanel::ShowBalances(int32_t empID, TDate date) {
  model_->Show(empID, date);
}

void TBalancesPanel::ExplainRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  if (const std::optional<TDate> asOf = model_->AsOf(row))
    emit ExplainRequested(model_->ReasonID(row), *asOf);
}

bool TBalancesPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && table_->currentIndex().isValid()) {
      ExplainRow(table_->currentIndex().row());
      return true;
    }
  }
  if (watched == table_->viewport() && event->type() == QEvent::Resize) FitLastColumn();
  return QWidget::eventFilter(watched, event);
}

}  // namespace absence::ui
