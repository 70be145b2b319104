#pragma once
// What the record list windows share: a toolbar of speed buttons (New, Edit, Print, Undo,
// Delete, Help), the record grid, a Close button, column widths restored when the window is
// created and saved when it closes, and the grid refilled after every change with the picked
// row kept.
#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace absence::ui {

class TPickGrid;

struct TListWindowTexts {
  QString Caption;
  QString Record;  // "Department": the hints "New Department", "Edit Department"...
  QString PrintHint;
  QString HelpHint;
  int HelpContext = 0;
};

// The six speed buttons of a record toolbar: New, Edit, Print, Undo, Delete, Help (tags 1 to 6).
struct TRecordButtons {
  QToolButton* spdNewRec = nullptr;
  QToolButton* spdEditRec = nullptr;
  QToolButton* spdPrint = nullptr;
  QToolButton* spdUnDo = nullptr;
  QToolButton* spdDeleteRec = nullptr;
  QToolButton* spdHelp = nullptr;
};

// Adds the buttons to `row`, hinted after `texts.Record`. Print stays off until list printing
// is in the program; Undo is off until something was put in the trash.
TRecordButtons AddRecordButtons(QHBoxLayout* row, const TListWindowTexts& texts);

struct TListGridLayout {
  QString HeaderName;
  QString GridName;
  QStringList Captions;
  QList<int> DesignWidths;  // the hidden identifier column included
  int VisibleRows = 9;
};

class TListWindow : public QDialog, public TRecordButtons {
  Q_OBJECT
 public:
  QPushButton* cmdClose = nullptr;

  TPickGrid* Grid() const { return grid_; }
  // What Print does; Print is enabled while the list shows records and a printer exists.
  void SetPrintAction(std::function<void()> print);

 protected:
  TListWindow(const TListWindowTexts& texts, const TListGridLayout& layout, QWidget* parent);

  // Refills the grid from the records; `keepRow` is the row to select afterwards. The rows
  // are added by AddRows; Edit and Delete follow whether any row was added and Undo whether
  // AddRows found a trashed record.
  void Fill(int keepRow);
  // Adds one row per listed record; returns true when a trashed record was seen.
  virtual bool AddRows() = 0;
  // New (`editID` 0) or Edit of the record `editID`.
  virtual void EditRecord(int32_t editID) = 0;
  // Trashes the records; the grid is refilled afterwards.
  virtual void DeleteRecords(const std::vector<int32_t>& ids) = 0;
  // Opens the restore dialog; true when something was restored.
  virtual bool UndoDelete() = 0;

  // The toolbar, for windows that add buttons of their own.
  QHBoxLayout* Toolbar() const { return toolbar_; }
  // The space between the toolbar and the grid, for windows with more controls there.
  QVBoxLayout* Body() const { return body_; }
  // Puts `label` right of the toolbar, centred in the room left there.
  void SetToolbarLabel(QLabel* label);

  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void spdNewClick();
  void spdEditClick();
  void spdDeleteRecClick();
  void spdUnDoClick();

  TPickGrid* grid_ = nullptr;
  QHBoxLayout* toolbar_ = nullptr;
  QHBoxLayout* toolRow_ = nullptr;
  QVBoxLayout* body_ = nullptr;
  bool shownOnce_ = false;
  std::function<void()> print_;
};

}  // namespace absence::ui
