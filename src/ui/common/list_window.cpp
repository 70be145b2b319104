#include "ui/common/list_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/header_control.h"
#include "ui/common/help_key.h"
#include "ui/common/pick_grid.h"
#include "ui/common/scale.h"
#include "ui/common/speed_button.h"
#include "ui/common/toolbar_style.h"
#include "ui/common/wait_cursor.h"

namespace absence::ui {

TRecordButtons AddRecordButtons(QHBoxLayout* row, const TListWindowTexts& texts) {
  TRecordButtons b;
  b.spdNewRec = AddSpeedButton(row, "spdNewRec", QStringLiteral("&New"),
                               QStringLiteral("New ") + texts.Record, "Plus", 1);
  b.spdEditRec = AddSpeedButton(row, "spdEditRec", QStringLiteral("&Edit"),
                                QStringLiteral("Edit ") + texts.Record, "Emp", 2);
  b.spdPrint =
      AddSpeedButton(row, "spdPrint", QStringLiteral("&Print"), texts.PrintHint, "List", 3);
  b.spdUnDo = AddSpeedButton(row, "spdUnDo", QStringLiteral("&Undo"), QStringLiteral("Undo Delete"),
                             "Trash_Full", 4);
  b.spdDeleteRec = AddSpeedButton(row, "spdDeleteRec", QStringLiteral("&Delete"),
                                  QStringLiteral("Delete ") + texts.Record, "Trash_Empty", 5);
  b.spdHelp = AddSpeedButton(row, "spdHelp", QStringLiteral("&Help"), texts.HelpHint, "HelpBmp", 6);
  // Off until the window says what printing its list means.
  b.spdPrint->setEnabled(false);
  b.spdUnDo->setEnabled(false);
  return b;
}

TListWindow::TListWindow(const TListWindowTexts& texts, const TListGridLayout& layout,
                         QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(texts.Caption);
  SetHelpContext(this, texts.HelpContext);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(Scale(8), Scale(4), Scale(8), Scale(8));
  column->setSpacing(Scale(4));
  toolbar_ = new QHBoxLayout;
  toolbar_->setSpacing(Scale(1));
  static_cast<TRecordButtons&>(*this) = AddRecordButtons(toolbar_, texts);
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
  grid_ = new TPickGrid(layout.HeaderName, layout.GridName, layout.Captions, layout.DesignWidths,
                        layout.VisibleRows);
  column->addWidget(grid_);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  cmdClose = new QPushButton(QStringLiteral("Close"));
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  cmdClose->setAutoDefault(false);
  bottom->addWidget(cmdClose);
  column->addLayout(bottom);

  StyleToolbar(this);
  grid_->LoadColumnWidths();
  // A fixed-size window: the grid shows its rows and scrolls; the width follows the header.
  grid_->setMinimumWidth(grid_->Header()->length());
  column->setSizeConstraint(QLayout::SetFixedSize);

  connect(spdNewRec, &QToolButton::clicked, this, &TListWindow::spdNewClick);
  connect(spdEditRec, &QToolButton::clicked, this, &TListWindow::spdEditClick);
  connect(spdDeleteRec, &QToolButton::clicked, this, &TListWindow::spdDeleteRecClick);
  connect(spdUnDo, &QToolButton::clicked, this, &TListWindow::spdUnDoClick);
  connect(spdPrint, &QToolButton::clicked, this, [this] {
    if (print_) print_();
  });
  ConnectHelpButton(spdHelp, texts.HelpContext);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
  connect(grid_, &TPickGrid::RowActivated, this, &TListWindow::spdEditClick);
  connect(grid_, &TPickGrid::DeletePressed, this, &TListWindow::spdDeleteRecClick);
}

void TListWindow::SetToolbarLabel(QLabel* label) {
  delete toolRow_->takeAt(toolRow_->count() - 1);  // the stretch
  label->setAlignment(Qt::AlignCenter);
  toolRow_->addWidget(label, 1);
}

void TListWindow::Fill(int keepRow) {
  grid_->Clear();
  const bool trashed = AddRows();
  spdUnDo->setEnabled(trashed);
  const bool any = grid_->RecordCount() > 0;
  spdEditRec->setEnabled(any);
  spdDeleteRec->setEnabled(any);
  spdPrint->setEnabled(any && print_ && !App().NoPrinter);
  if (any) grid_->SelectRow(keepRow);
}

void TListWindow::SetPrintAction(std::function<void()> print) {
  print_ = std::move(print);
}

void TListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  Fill(0);
  grid_->setFocus();
}

void TListWindow::done(int result) {
  grid_->SaveColumnWidths();
  QDialog::done(result);
}

void TListWindow::spdNewClick() {
  EditRecord(0);
}

void TListWindow::spdEditClick() {
  // On an empty list Edit acts as New.
  EditRecord(grid_->RecordCount() > 0 ? grid_->RowID(grid_->CurrentRow()) : 0);
}

void TListWindow::spdDeleteRecClick() {
  const std::vector<int32_t> ids = grid_->PickedIDs();
  if (ids.empty()) return;
  int lastRow = 0;
  for (int row = 0; row < grid_->RecordCount(); ++row)
    if (grid_->IsPicked(row)) lastRow = row;
  {
    TWaitCursor wait;
    DeleteRecords(ids);
  }
  Fill(lastRow);
}

void TListWindow::spdUnDoClick() {
  const int row = grid_->CurrentRow();
  if (UndoDelete()) Fill(row);
}

}  // namespace absence::ui
