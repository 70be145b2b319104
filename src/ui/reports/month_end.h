#pragma once
// File > Month-End: for one month, the payroll summary (CSV and .xlsx) and the employee
// statements (PDF) of every employee shown, written into one folder.
#include <QDialog>
#include <QString>
#include <QStringList>

#include "reports/report.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace absence::ui {

class TDataSession;

inline constexpr int kMonthEndHelpContext = 1330;

// The files of one month's pack in `folder`: summary CSV, summary workbook, statements PDF.
QStringList MonthEndFiles(const QString& folder, int year, int month);

class TfrmMonthEnd : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmMonthEnd(const TDataSession& session, QWidget* parent = nullptr);

 private:
  void cmdBrowseClick();
  void cmdWriteClick();
  // Writes the three files; throws with the system's message on failure.
  void WritePack(const QStringList& files, TDate from, TDate to);

  const TDataSession& session_;
  QComboBox* monthBox_ = nullptr;
  QSpinBox* yearBox_ = nullptr;
  QLineEdit* folderBox_ = nullptr;
  QPushButton* browseButton_ = nullptr;
  QComboBox* delimiterBox_ = nullptr;
  QPushButton* writeButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
};

}  // namespace absence::ui
