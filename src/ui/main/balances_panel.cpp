#include "ui/main/balances_panel.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "accrual/balances.h"
#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/date_text.h"
#include "ui/common/item_roles.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

enum TBalanceColumn { kReasonColumn, kYearColumn, kUsedColumn, kAvailableColumn, kBalanceColumn };
constexpr int kColumns = 5;
constexpr int kLastColumn = kColumns - 1;
constexpr int kRowHeight = 16;
// The table never shows fewer rows than this, however low the window.
constexpr int kLeastRows = 4;
// The reason column keeps this much of its text when the window narrows.
constexpr int kReasonFloor = 60;
// A figure column is at least as wide as this figure in the hour format, drawn bold.
constexpr double kWidestFigure = -8888.88;
// Room the columns may take beyond their widths before the panel stops growing with the window
// (a wider one would only move the balance away from its reason).
constexpr int kSpareWidth = 160;
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
  TDate Date() const { return date_; }

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
    if (orientation != Qt::Horizontal) return {};
    // The figures' headings stand over the figures, however wide the column.
    if (role == Qt::TextAlignmentRole)
      return section >= kUsedColumn ? int(Qt::AlignRight | Qt::AlignVCenter)
                                    : int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
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
  // The date the figures are for: the calendar's third Saturday, often not today.
  asOfLabel_ = new QLabel;
  asOfLabel_->setObjectName(QStringLiteral("lblBalanceAsOf"));
  title->addWidget(heading);
  title->addSpacing(4);
  title->addWidget(yearLabel_);
  title->addSpacing(4);
  title->addWidget(asOfLabel_);
  title->addStretch();
  panel->addLayout(title);
  title_ = title;

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
  table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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
  header->viewport()->installEventFilter(this);
  connect(header, &QHeaderView::sectionResized, this,
          [this](int column) { SectionResized(column); });
  // Other figures (another employee, another hour format) may need wider columns.
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { FitLastColumn(); });
  connect(model_, &QAbstractItemModel::dataChanged, this, [this] { FitLastColumn(); });
  connect(table_, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { ExplainRow(index.row()); });
  // The table grows with the panel in whole rows; what is left stays empty below it.
  panel->addWidget(table_, 1);
  panel->addStretch(0);
  UseDesignWidths();
  KeepWidths();
}

void TBalancesPanel::LoadColumnWidths() {
  {
    QScopedValueRollback<bool> loading(fitting_, true);
    absence::ui::LoadColumnWidths(table_, designWidths_);
    bool usable = true;
    for (int c = 0; c < kLastColumn; ++c)
      usable = usable && !table_->isColumnHidden(c) && table_->columnWidth(c) >= NeededWidth(c);
    if (!usable) UseDesignWidths();
    KeepWidths();
  }
  table_->verticalHeader()->setDefaultSectionSize(Scale(kRowHeight));
  FitRows();
  FitLastColumn();
}

void TBalancesPanel::UseDesignWidths() {
  QScopedValueRollback<bool> loading(fitting_, true);
  for (int c = 0; c < kColumns; ++c) {
    table_->setColumnHidden(c, false);
    table_->setColumnWidth(c, std::max(Scale(designWidths_[c]), NeededWidth(c)));
  }
}

int TBalancesPanel::NeededWidth(int column) const {
  if (column == kReasonColumn) return Scale(kReasonFloor);
  const QHeaderView* header = table_->horizontalHeader();
  const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  int width = header->fontMetrics().horizontalAdvance(heading) +
              2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
  // The cell's text margins on both sides, and a pixel for the grid line.
  const int margins =
      2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1) + 1;
  QFont bold = table_->font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  QStringList texts;
  if (column == kYearColumn)
    texts << QStringLiteral("Anniv");
  else
    texts << QString::fromStdString(
        FormatNumber(kWidestFigure, HourFormatPattern(App().Settings.HourFormat)));
  for (int row = 0; row < model_->rowCount(); ++row)
    texts << model_->index(row, column).data().toString();
  for (const QString& text : texts) width = std::max(width, fm.horizontalAdvance(text) + margins);
  return width;
}

void TBalancesPanel::SectionResized(int column) {
  // Only the user's drags are wishes; other resizes (a reset header) are put right.
  if (fitting_) return;
  if (!dragging_ || column >= kLastColumn) return FitLastColumn();
  QScopedValueRollback<bool> fitting(fitting_, true);
  QHeaderView* header = table_->horizontalHeader();
  int width = std::max(header->sectionSize(column), NeededWidth(column));
  // The last column keeps room for its figures: the dragged divider stops where it would not.
  int others = 0;
  for (int c = 0; c < kLastColumn; ++c) others += c == column ? width : header->sectionSize(c);
  const int over = others + NeededWidth(kLastColumn) - table_->viewport()->width();
  if (over > 0) width = std::max(NeededWidth(column), width - over);
  if (width != header->sectionSize(column)) header->resizeSection(column, width);
  wanted_[column] = width;
  FitLastColumn();
}

void TBalancesPanel::SaveColumnWidths() {
  {
    QScopedValueRollback<bool> saving(fitting_, true);
    for (int c = 0; c < kLastColumn; ++c) table_->setColumnWidth(c, wanted_[c]);
    absence::ui::SaveColumnWidths(table_);
  }
  FitLastColumn();
}

void TBalancesPanel::KeepWidths() {
  wanted_.clear();
  for (int c = 0; c < kLastColumn; ++c) wanted_ << table_->columnWidth(c);
}

void TBalancesPanel::FitLastColumn() {
  QScopedValueRollback<bool> fitting(fitting_, true);
  QHeaderView* header = table_->horizontalHeader();
  const int chrome = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
  int used = 0;
  int least = chrome + NeededWidth(kLastColumn);
  for (int c = 0; c < kLastColumn; ++c) {
    const int needed = NeededWidth(c);
    const int width = std::max(wanted_[c], needed);
    if (header->sectionSize(c) != width) header->resizeSection(c, width);
    used += width;
    least += needed;
  }
  // The panel never gets narrower than the columns need at least, nor much wider than they are.
  table_->setMinimumWidth(least);
  setMaximumWidth(chrome + used +
                  std::max(NeededWidth(kLastColumn), Scale(designWidths_[kLastColumn])) +
                  Scale(kSpareWidth));
  // Before the table is laid out its width says nothing about the room it will have.
  if (!table_->isVisible()) return;
  int room = table_->viewport()->width() - used;
  for (int c : {kReasonColumn, kYearColumn}) {
    const int missing = NeededWidth(kLastColumn) - room;
    if (missing <= 0) break;
    const int given = std::min(missing, header->sectionSize(c) - NeededWidth(c));
    if (given <= 0) continue;
    header->resizeSection(c, header->sectionSize(c) - given);
    room += given;
  }
  const int width = std::max(0, room);
  if (header->sectionSize(kLastColumn) != width) header->resizeSection(kLastColumn, width);
}

int TBalancesPanel::HeightForRows(int rows) const {
  return title_->sizeHint().height() + layout()->spacing() + layout()->contentsMargins().top() +
         layout()->contentsMargins().bottom() + table_->horizontalHeader()->height() +
         2 * table_->frameWidth() + rows * table_->verticalHeader()->defaultSectionSize();
}

void TBalancesPanel::FitRows() {
  const int row = table_->verticalHeader()->defaultSectionSize();
  const int table = table_->horizontalHeader()->height() + 2 * table_->frameWidth();
  table_->setMinimumHeight(table + kLeastRows * row);
  table_->setMaximumHeight(table + std::max(kLeastRows, (height() - HeightForRows(0)) / row) * row);
}

void TBalancesPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitRows();
}

void TBalancesPanel::SetYear(int year) {
  yearLabel_->setText(QString::number(year));
}

void TBalancesPanel::ShowBalances(int32_t empID, TDate date) {
  //: After the year over the balances: the date the figures are for.
  asOfLabel_->setText(tr("as of %1").arg(FormatDate(date, App().DatePattern)));
  model_->Show(empID, date);
}

void TBalancesPanel::ExplainRow(int row) {
  if (row < 0 || row >= model_->rowCount()) return;
  // Rows have their figures only while an employee is shown.
  if (model_->AsOf(row)) emit ExplainRequested(model_->ReasonID(row), model_->Date());
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
  if (watched == table_->horizontalHeader()->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) dragging_ = true;
    if (event->type() == QEvent::MouseButtonRelease) dragging_ = false;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace absence::ui
