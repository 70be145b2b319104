#pragma once
// The holiday windows of the Global Absence list: the holiday rules editor, "Add Holidays for
// Year..." and the iCalendar import, each adding its days as one undoable change after a
// preview of the days added and skipped.
#include <QAbstractTableModel>
#include <QDialog>
#include <functional>
#include <vector>

#include "convert/holidays/holiday_plan.h"

class QBoxLayout;
class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableView;

namespace absence::ui {

class TDataSession;

// The days of a plan, those added first, then those skipped; each with its date, name, reason,
// hours and what happens to it.
class THolidayPlanModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  THolidayPlanModel(const TDataSession& session, QObject* parent);
  void SetPlan(THolidayPlan plan);
  const THolidayPlan& Plan() const { return plan_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const THoliday& At(int row) const;
  const TDataSession& session_;
  THolidayPlan plan_;
};

// Edits the rules file of the data folder. Without a file yet, it starts from a ready-made set
// chosen in cboStarter. OK refuses rules with faults, naming their lines.
class TfrmHolidayRules : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmHolidayRules(const TDataSession& session, QWidget* parent = nullptr);

  QComboBox* cboStarter = nullptr;  // only while there is no rules file
  QPlainTextEdit* txtRules = nullptr;
  QLabel* lblFormat = nullptr;
  QDialogButtonBox* buttons = nullptr;

 private:
  void StarterChange(int index);
  void OKClick();
  std::string folder_;
};

// What the add and import windows share: the reason and hours of the days, the preview, and OK
// that submits the days to add as one change.
class THolidayPreview : public QDialog {
  Q_OBJECT
 public:
  QComboBox* cboReason = nullptr;
  QDoubleSpinBox* spnHours = nullptr;
  QTableView* lstDays = nullptr;
  QLabel* lblSummary = nullptr;
  QDialogButtonBox* buttons = nullptr;
  THolidayPlanModel* Model() const { return model_; }

 protected:
  THolidayPreview(TDataSession& session, QWidget* parent);
  // Lays out the window's own controls above the shared ones.
  void Build(QBoxLayout* top);
  // The days the window would add with the reason and hours chosen; throws std::exception with
  // the message shown in the summary when there are none to show.
  virtual std::vector<THoliday> Days(int32_t reasonID, float hours) const = 0;
  // Names the days in the undo list ("holidays of 2030").
  virtual std::string What() const = 0;
  // Makes the plan again from the controls and the data set.
  void Replan();
  TDataSession& session_;

 private:
  void OKClick();
  THolidayPlanModel* model_ = nullptr;
};

// "Add Holidays for Year...": the rules' days of one year.
class TfrmAddHolidays : public THolidayPreview {
  Q_OBJECT
 public:
  TfrmAddHolidays(TDataSession& session, std::vector<THolidayRule> rules, int year,
                  QWidget* parent = nullptr);
  QSpinBox* spnYear = nullptr;

 protected:
  std::vector<THoliday> Days(int32_t reasonID, float hours) const override;
  std::string What() const override;

 private:
  std::vector<THolidayRule> rules_;
};

// "Import Holidays...": the all-day events of an iCalendar file, repeating ones expanded over
// the years chosen.
class TfrmImportHolidays : public THolidayPreview {
  Q_OBJECT
 public:
  TfrmImportHolidays(TDataSession& session, int year, QWidget* parent = nullptr);
  QLineEdit* txtFile = nullptr;
  QPushButton* btnBrowse = nullptr;
  QSpinBox* spnFromYear = nullptr;
  QSpinBox* spnToYear = nullptr;

 protected:
  std::vector<THoliday> Days(int32_t reasonID, float hours) const override;
  std::string What() const override;

 private:
  void BrowseClick();
};

// The buttons "Holiday Rules...", "Add Holidays for Year..." and "Import Holidays..." in a row
// added to `layout`; `year` gives the year the windows start with.
void AddHolidayButtons(QWidget* owner, TDataSession& session, QBoxLayout* layout,
                       std::function<int()> year);

}  // namespace absence::ui
