#pragma once
// "Month Calendar Selection": the month, year and department of the month calendar report and
// how global entries print; Preview and Print run the report window.
#include <QDialog>

#include "reports/report.h"

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace absence::ui {

class TDataSession;

class TfrmPrintCalendar : public QDialog {
  Q_OBJECT

 public:
  TfrmPrintCalendar(const TDataSession& session, QWidget* parent = nullptr);
  // The report's options as the window holds them.
  reports::TReportOptions Options() const;

 private:
  void cmdReportClick(bool preview);

  const TDataSession& session_;
  QComboBox* cboMonthBox_;
  QSpinBox* txtYear_;
  QComboBox* cboDeptBox_;
  QRadioButton* btnOncePerDay_;
  QRadioButton* btnEachEmp_;
};

}  // namespace absence::ui
