#include "ui/main/balances_panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "accrual/balances.h"
#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/header_control.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kBalanceColumns = 6;
constexpr int kFirstFigure = 2;
constexpr int kLastFigure = 4;
constexpr int kRowHeight = 16;
constexpr int kRowsShown = 4;

// Figures in the hour format, negative ones red and bold; other cells as they are.
class TBalanceCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const QRect area = option.rect.adjusted(2, 0, -3, 0);
    QFont font = option.font;
    QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QString text = index.data(Qt::DisplayRole).toString();
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    const int column = index.column();
    if (column >= kFirstFigure && column <= kLastFigure) {
      const QVariant value = index.data(TBalancesPanel::kValueRole);
      text = value.isValid() ? QString::fromStdString(FormatNumber(
                                   value.toDouble(), HourFormatPattern(App().Settings.HourFormat)))
                             : QString();
      align = Qt::AlignRight | Qt::AlignVCenter;
      if (value.isValid() && value.toDouble() < 0 && !selected) {
        colour = Qt::red;
        font.setBold(true);
      }
    }
    painter->setFont(font);
    painter->setPen(colour);
    painter->drawText(area, int(align) | Qt::TextSingleLine,
                      QFontMetrics(font).elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
  }
};

QTableWidgetItem* Figure(const std::string& text, std::optional<double> value) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  if (value) item->setData(TBalancesPanel::kValueRole, *value);
  return item;
}

}  // namespace

TBalancesPanel::TBalancesPanel(TDataSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
  setObjectName(QStringLiteral("pnlAccruals"));
  CreateControls();
}

void TBalancesPanel::CreateControls() {
  auto* acc = new QVBoxLayout(this);
  acc->setContentsMargins(0, 0, 0, 0);
  acc->setSpacing(Scale(2));
  auto* title = new QHBoxLayout;
  lblAccrual = new QLabel(QStringLiteral("Employee Absence Reason Balances for:"));
  lblAccrual->setObjectName(QStringLiteral("lblAccrual"));
  lblBalanceYear = new QLabel;
  lblBalanceYear->setObjectName(QStringLiteral("lblBalanceYear"));
  QFont bold = lblBalanceYear->font();
  bold.setBold(true);
  lblBalanceYear->setFont(bold);
  title->addWidget(lblAccrual);
  title->addSpacing(4);
  title->addWidget(lblBalanceYear);
  title->addStretch();
  acc->addLayout(title);

  // The year column is wide enough for "Anniv" in the font of this desktop.
  const int yearWidth =
      std::max(35, QFontMetrics(font()).horizontalAdvance(QStringLiteral("Anniv")) + 8);
  hdrBalances =
      new THeaderControl(QStringLiteral("hdrBalances"),
                         {QStringLiteral("Reason"), QStringLiteral("Year"), QStringLiteral("Used"),
                          QStringLiteral("Available"), QStringLiteral("Balance")},
                         {156, yearWidth + 1, 50, 57, 61});
  hdrBalances->setMaximumSectionSize(324);
  hdrBalances->setFixedWidth(Scale(156 + 50 + 57 + 61 + 4) + Scale(yearWidth + 1));
  connect(hdrBalances, &QHeaderView::sectionResized, this,
          &TBalancesPanel::hdrBalancesSectionResize);
  acc->addWidget(hdrBalances);
  acc->addSpacing(-Scale(2));

  grdBalances = new QTableWidget(1, kBalanceColumns);
  grdBalances->setObjectName(QStringLiteral("grdBalances"));
  grdBalances->horizontalHeader()->hide();
  grdBalances->verticalHeader()->hide();
  grdBalances->verticalHeader()->setMinimumSectionSize(1);
  grdBalances->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grdBalances->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdBalances->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grdBalances->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Whole rows only, also after wheel scrolling.
  grdBalances->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  grdBalances->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A row is chosen to see how its balance was reached; the grid is no tab stop.
  grdBalances->setSelectionMode(QAbstractItemView::SingleSelection);
  grdBalances->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdBalances->setFocusPolicy(Qt::ClickFocus);
  grdBalances->installEventFilter(this);
  connect(grdBalances, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { grdBalancesDblClick(row); });
  grdBalances->setShowGrid(false);
  grdBalances->setWordWrap(false);
  grdBalances->setItemDelegate(new TBalanceCellDelegate(grdBalances));
  grdBalances->setFixedWidth(hdrBalances->width());
  const int designWidths[kBalanceColumns] = {153, yearWidth, 49, 56, 59, 33};
  for (int c = 0; c < kBalanceColumns; ++c) grdBalances->setColumnWidth(c, designWidths[c]);
  acc->addWidget(grdBalances);
  acc->addStretch();
}

void TBalancesPanel::LoadColumnWidths() {
  absence::ui::LoadColumnWidths(hdrBalances, grdBalances);
  grdBalances->setFixedHeight(kRowsShown * grdBalances->verticalHeader()->defaultSectionSize() +
                              2 * grdBalances->frameWidth());
  FitBalanceColumns();
}

void TBalancesPanel::SaveColumnWidths() const {
  absence::ui::SaveColumnWidths(hdrBalances);
}

void TBalancesPanel::SetYear(int year) {
  lblBalanceYear->setText(QString::number(year));
}

void TBalancesPanel::LoadReasons() {
  grdBalances->clearContents();
  grdBalances->setRowCount(1);
  int row = 0;
  for (const auto& reason : session_.Data().ReasonList) {
    if (!reason->Active || reason->Deleted) continue;
    if (row > 0) grdBalances->setRowCount(row + 1);
    auto* name = new QTableWidgetItem(QString::fromStdString(reason->Description));
    name->setData(kReasonIDRole, reason->ReasonID);
    grdBalances->setItem(row, 0, name);
    grdBalances->setItem(row, 1,
                         new QTableWidgetItem(QString::fromStdString(PanelYearText(*reason))));
    grdBalances->setItem(row, 5, new QTableWidgetItem(QString::number(reason->ReasonID)));
    ++row;
  }
  FitBalanceColumns();
}

void TBalancesPanel::FillBalances(const TEmpRecClass& emp, TDate date) {
  const TDataSet& dataSet = session_.Data();
  const TBenefitYear by =
      NormalizeBenefitYear(App().Settings.BenefitMonth, App().Settings.BenefitDay);
  for (int row = 0; row < grdBalances->rowCount(); ++row) {
    const QTableWidgetItem* name = grdBalances->item(row, 0);
    const TReasonRecClass* reason =
        name ? session_.Reason(name->data(kReasonIDRole).toInt()) : nullptr;
    if (!reason) continue;
    const TPanelBalance b = PanelBalance(emp, dataSet.ReasonList, *reason, date, by);
    grdBalances->item(row, 0)->setData(kAsOfRole, PanelAsOfDate(*reason, emp, date, by));
    grdBalances->setItem(
        row, 2,
        Figure(b.UsedText, b.UsedText.empty() ? std::nullopt : std::optional(RoundFixed2(b.Used))));
    grdBalances->setItem(
        row, 3,
        Figure(b.AvailableText,
               b.Available ? std::optional(RoundFixed2(*b.Available)) : std::nullopt));
    grdBalances->setItem(row, 4, Figure(b.BalanceText, b.Balance));
  }
}

void TBalancesPanel::ClearBalances() {
  for (int row = 0; row < grdBalances->rowCount(); ++row) {
    for (int c = kFirstFigure; c <= kLastFigure; ++c) delete grdBalances->takeItem(row, c);
    if (QTableWidgetItem* name = grdBalances->item(row, 0)) name->setData(kAsOfRole, QVariant());
  }
}

void TBalancesPanel::grdBalancesDblClick(int row) {
  const QTableWidgetItem* name = grdBalances->item(row, 0);
  if (!name || !name->data(kAsOfRole).isValid()) return;
  emit ExplainRequested(name->data(kReasonIDRole).toInt(), name->data(kAsOfRole).toDouble());
}

bool TBalancesPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grdBalances && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && grdBalances->currentRow() >= 0) {
      grdBalancesDblClick(grdBalances->currentRow());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TBalancesPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitBalanceColumns();
}

void TBalancesPanel::hdrBalancesSectionResize(int section, int, int newSize) {
  if (adjustingHeader_) return;
  adjustingHeader_ = true;
  grdBalances->setColumnWidth(section, std::max(0, newSize - (section == 0 ? 3 : 1)));
  FitBalanceColumns();
  adjustingHeader_ = false;
}

void TBalancesPanel::FitBalanceColumns() {
  const bool wasAdjusting = adjustingHeader_;
  adjustingHeader_ = true;
  int used = 0;
  for (int i = 0; i < 4; ++i) used += hdrBalances->SectionWidth(i);
  hdrBalances->SetSectionWidth(4, std::max(0, hdrBalances->width() - used));
  int columns = 0;
  for (int c = 0; c < 4; ++c) columns += grdBalances->columnWidth(c);
  int width = grdBalances->width() - columns - 8;
  if (grdBalances->rowCount() >= 5)
    width -= grdBalances->verticalScrollBar()->sizeHint().width() + 1;
  grdBalances->setColumnWidth(4, std::max(0, width));
  adjustingHeader_ = wasAdjusting;
}

}  // namespace absence::ui
