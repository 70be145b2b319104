#pragma once
// The import and export wizard: six pages that choose what to move (employees or absence
// entries), which entries, what to do with the records already there and which file in which
// layout, then run the import or export with a progress bar.
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;

#include "ui/convert/convert_summary.h"

namespace absence {
class EConvertError;
}

namespace absence::ui {

class TDataSession;
class TDateEdit;
class TPageFlow;

inline constexpr int kImportHelpContext = 1310;
inline constexpr int kExportHelpContext = 1320;

class TfrmConvert : public QDialog {
  Q_OBJECT
 public:
  enum TPage { pgStartup, pgDetails, pgAbsence, pgFinish, pgFiles, pgRun };

  // `import`: the import wizard, else the export wizard.
  TfrmConvert(TDataSession& session, bool import, QWidget* parent = nullptr);
  // Stores "Skip this page next time." for the next use.
  ~TfrmConvert() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Building (convert_pages.cpp).
  QWidget* MakeStartupPage();
  QWidget* MakeDetailsPage();
  QWidget* MakeAbsencePage();
  QWidget* MakeFinishPage();
  QWidget* MakeFilesPage();
  QWidget* MakeRunPage();
  QWidget* WithPicture(const QString& picture, QWidget* content);

  // Page flow (convert_wizard.cpp).
  // The texts that differ between import and export.
  void SetTexts();
  // Skips the start page when the setting says so.
  void FormActivate();
  void cmdNextClick();
  void cmdBackClick();
  void btnAllClick();
  void btnSelectClick();
  void spdEmpsClick();
  bool DatesAccepted();
  bool FileAccepted();
  void BuildSummary();
  // Running (convert_run.cpp): true when it ended without an error message.
  bool RunImport();
  bool RunExport();
  // A replace import that takes records away asks first; false when the user says No.
  bool ReplaceConfirmed();
  TConvertChoice CurrentChoice() const;
  void ShowConvertError(const EConvertError& e);
  void Progress(int done);
  void AskAnother();

  TDataSession& session_;
  const bool import_;
  TPageFlow* flow_ = nullptr;
  bool activated_ = false;
  QStackedWidget* pages_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QPushButton* backButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QLabel* introLabel_ = nullptr;
  QCheckBox* skipStartBox_ = nullptr;
  QLabel* contentQuestion_ = nullptr;
  QRadioButton* employeesChoice_ = nullptr;
  QRadioButton* absencesChoice_ = nullptr;
  QRadioButton* allEntriesChoice_ = nullptr;
  QRadioButton* selectedEntriesChoice_ = nullptr;
  QLabel* startDateLabel_ = nullptr;
  QLabel* endDateLabel_ = nullptr;
  TDateEdit* startDateBox_ = nullptr;
  TDateEdit* endDateBox_ = nullptr;
  QPushButton* startCalendarButton_ = nullptr;
  QPushButton* endCalendarButton_ = nullptr;
  QLabel* existingDataQuestion_ = nullptr;
  QRadioButton* replaceChoice_ = nullptr;
  QRadioButton* addChoice_ = nullptr;
  QLabel* fileQuestion_ = nullptr;
  QLineEdit* fileBox_ = nullptr;
  QToolButton* browseButton_ = nullptr;
  QComboBox* formatBox_ = nullptr;
  // Export only: "Windows-1252" (as earlier versions wrote) or "UTF-8". An import finds the
  // encoding of its file itself.
  QLabel* encodingLabel_ = nullptr;
  QComboBox* encodingBox_ = nullptr;
  QLabel* summaryLabel_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
};

}  // namespace absence::ui
