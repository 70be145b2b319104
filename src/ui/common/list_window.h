#pragma once
// What the record list windows share: a toolbar of speed buttons (New, Edit, Print, Undo,
// Delete, Help), the record grid over the window's record model, a Close button, column widths
// restored when the window is created and saved when it closes. The model lists the records
// again when they change; the window keeps the picked row and its commands in step.
#include <QDialog>
#include <QString>
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
class TRecordTableModel;

struct TListWindowTexts {
  QString Caption;
  QString Record;  // "Department": the hints "New Department", "Edit Department"...
  QString PrintHint;
  QString HelpHint;
  int HelpContext = 0;
};

// The six speed buttons of a record toolbar: New, Edit, Print, Undo, Delete, Help (tags 1 to 6).
class TRecordButtons {
 public:
  TRecordButtons() = default;
  // Adds the buttons to `row`, hinted after `texts.Record`. Print stays off until the window
  // says what printing its list means; Undo is off until something was put in the trash.
  TRecordButtons(QHBoxLayout* row, const TListWindowTexts& texts);

  QToolButton* NewButton() const { return new_; }
  QToolButton* EditButton() const { return edit_; }
  QToolButton* PrintButton() const { return print_; }
  QToolButton* UndoButton() const { return undo_; }
  QToolButton* DeleteButton() const { return delete_; }
  QToolButton* HelpButton() const { return help_; }

 private:
  QToolButton* new_ = nullptr;
  QToolButton* edit_ = nullptr;
  QToolButton* print_ = nullptr;
  QToolButton* undo_ = nullptr;
  QToolButton* delete_ = nullptr;
  QToolButton* help_ = nullptr;
};

struct TListGridLayout {
  QString HeaderName;
  QString GridName;
  QList<int> DesignWidths;
  int VisibleRows = 9;
};

class TListWindow : public QDialog {
  Q_OBJECT
 public:
  // What Print does; Print is enabled while the list shows records and a printer exists.
  void SetPrintAction(std::function<void()> print);

 protected:
  // `records` becomes the window's; it is filled when the window is first shown.
  TListWindow(const TListWindowTexts& texts, const TListGridLayout& layout,
              TRecordTableModel* records, QWidget* parent);

  TPickGrid* Grid() const { return grid_; }
  const TRecordButtons& Buttons() const { return buttons_; }
  // Whether the trash holds records of this list (Undo is on while it does).
  virtual bool AnyTrashed() const = 0;
  // New (`editID` 0) or Edit of the record `editID`.
  virtual void EditRecord(int32_t editID) = 0;
  // Trashes the records.
  virtual void DeleteRecords(const std::vector<int32_t>& ids) = 0;
  // Opens the restore dialog.
  virtual void UndoDelete() = 0;

  // The toolbar, for windows that add buttons of their own.
  QHBoxLayout* Toolbar() const { return toolbar_; }
  // The space between the toolbar and the grid, for windows with more controls there.
  QVBoxLayout* Body() const { return body_; }
  // Puts `label` right of the toolbar, centred in the room left there.
  void SetToolbarLabel(QLabel* label);

  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  // Edit, Delete, Print and Undo follow the listed records.
  void UpdateCommands();
  void NewClicked();
  void EditClicked();
  void DeleteClicked();

  TRecordButtons buttons_;
  QPushButton* closeButton_ = nullptr;
  TPickGrid* grid_ = nullptr;
  QHBoxLayout* toolbar_ = nullptr;
  QHBoxLayout* toolRow_ = nullptr;
  QVBoxLayout* body_ = nullptr;
  bool shownOnce_ = false;
  std::function<void()> print_;
};

}  // namespace absence::ui
