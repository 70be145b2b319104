#include "ui/common/list_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/help_key.h"
#include "ui/common/pick_grid.h"
#include "ui/common/record_model.h"
#include "ui/common/scale.h"
#include "ui/common/speed_button.h"
#include "ui/common/toolbar_style.h"
#include "ui/common/wait_cursor.h"

namespace absence::ui {
namespace {

constexpr int kMinimumListWidth = 640;

}  // namespace

TRecordButtons::TRecordButtons(QHBoxLayout* row, const TListWindowTexts& texts) {
  new_ = AddSpeedButton(row, "spdNewRec", TListWindow::tr("&New"),
                        TListWindow::tr("New %1").arg(texts.Record), "Plus", 1);
  edit_ = AddSpeedButton(row, "spdEditRec", TListWindow::tr("&Edit"),
                         TListWindow::tr("Edit %1").arg(texts.Record), "Emp", 2);
  print_ = AddSpeedButton(row, "spdPrint", TListWindow::tr("&Print"), texts.PrintHint, "List", 3);
  undo_ = AddSpeedButton(row, "spdUnDo", TListWindow::tr("&Undo"), TListWindow::tr("Undo Delete"),
                         "Trash_Full", 4);
  delete_ = AddSpeedButton(row, "spdDeleteRec", TListWindow::tr("&Delete"),
                           TListWindow::tr("Delete %1").arg(texts.Record), "Trash_Empty", 5);
  help_ = AddSpeedButton(row, "spdHelp", TListWindow::tr("&Help"), texts.HelpHint, "HelpBmp", 6);
  print_->setEnabled(false);
  undo_->setEnabled(false);
}

TListWindow::TListWindow(const TListWindowTexts& texts, const TListGridLayout& layout,
                         TRecordTableModel* records, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(texts.Caption);
  SetHelpContext(this, texts.HelpContext);
  records->setParent(this);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Scale(8), Scale(4), Scale(8), Scale(8));
  column->setSpacing(Scale(4));
  toolbar_ = new QHBoxLayout;
  toolbar_->setSpacing(Scale(1));
  buttons_ = TRecordButtons(toolbar_, texts);
  toolRow_ = new QHBoxLayout;
  toolRow_->addLayout(toolbar_);
  toolRow_->addStretch();
  column->addLayout(toolRow_);
  auto* bevel = new QFrame;
  bevel->setObjectName(QStringLiteral("bvlToolBar"));
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  column->addWidget(bevel);
  body_ = new QVBoxLayout;
  column->addLayout(body_);
  grid_ = new TPickGrid(layout.HeaderName, layout.GridName, records, layout.DesignWidths,
                        layout.VisibleRows);
  column->addWidget(grid_);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  closeButton_ = new QPushButton(tr("Close"));
  closeButton_->setObjectName(QStringLiteral("cmdClose"));
  closeButton_->setAutoDefault(false);
  bottom->addWidget(closeButton_);
  column->addLayout(bottom);

  StyleToolbar(this);
  grid_->LoadColumnWidths();
  // A fixed-size window: the grid shows its rows and scrolls. It is 640 pixels wide at the
  // least, or as wide as its columns, the last of which takes the room the others leave.
  int width = 0;
  for (int c = 0; c < records->columnCount(); ++c) width += grid_->columnWidth(c);
  grid_->setMinimumWidth(std::max(kMinimumListWidth, width + 2 * grid_->frameWidth()));
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons_.NewButton(), &QToolButton::clicked, this, &TListWindow::NewClicked);
  connect(buttons_.EditButton(), &QToolButton::clicked, this, &TListWindow::EditClicked);
  connect(buttons_.DeleteButton(), &QToolButton::clicked, this, &TListWindow::DeleteClicked);
  connect(buttons_.UndoButton(), &QToolButton::clicked, this, [this] { UndoDelete(); });
  connect(buttons_.PrintButton(), &QToolButton::clicked, this, [this] {
    if (print_) print_();
  });
  ConnectHelpButton(buttons_.HelpButton(), texts.HelpContext);
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(grid_, &TPickGrid::RowActivated, this, &TListWindow::EditClicked);
  connect(grid_, &TPickGrid::DeletePressed, this, &TListWindow::DeleteClicked);
  connect(records, &QAbstractItemModel::modelReset, this, &TListWindow::UpdateCommands);
}

void TListWindow::SetToolbarLabel(QLabel* label) {
  delete toolRow_->takeAt(toolRow_->count() - 1);  // the stretch
  label->setAlignment(Qt::AlignCenter);
  toolRow_->addWidget(label, 1);
}

void TListWindow::UpdateCommands() {
  buttons_.UndoButton()->setEnabled(AnyTrashed());
  const bool any = grid_->RecordCount() > 0;
  buttons_.EditButton()->setEnabled(any);
  buttons_.DeleteButton()->setEnabled(any);
  buttons_.PrintButton()->setEnabled(any && print_ && !App().NoPrinter);
}

void TListWindow::SetPrintAction(std::function<void()> print) {
  print_ = std::move(print);
}

void TListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  grid_->Records()->Refill();
  grid_->SelectRow(0);
  grid_->setFocus();
}

void TListWindow::done(int result) {
  grid_->SaveColumnWidths();
  QDialog::done(result);
}

void TListWindow::NewClicked() {
  EditRecord(0);
}

void TListWindow::EditClicked() {
  // On an empty list Edit acts as New.
  EditRecord(grid_->RecordCount() > 0 ? grid_->RowID(grid_->CurrentRow()) : 0);
}

void TListWindow::DeleteClicked() {
  const std::vector<int32_t> ids = grid_->PickedIDs();
  if (ids.empty()) return;
  int lastRow = 0;
  for (int row = 0; row < grid_->RecordCount(); ++row)
    if (grid_->IsPicked(row)) lastRow = row;
  {
    TWaitCursor wait;
    DeleteRecords(ids);
  }
  // The row of the last one deleted, or the last row.
  grid_->SelectRow(lastRow);
}

}  // namespace absence::ui
