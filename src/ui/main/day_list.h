#pragma once
// pnlEmpData: every employee's entries on one day, global ones marked with the globe.
#include <QWidget>

#include "data/types.h"

class QLabel;
class QListView;

namespace absence::ui {

class TDataSession;
class TDayEntriesModel;

class TDayList : public QWidget {
  Q_OBJECT
 public:
  explicit TDayList(TDataSession& session, QWidget* parent = nullptr);

  // The entries of `date`, kept up to date as the data set changes.
  void ShowDayEntries(TDate date);

 private:
  TDayEntriesModel* model_ = nullptr;
  QLabel* dateLabel_ = nullptr;
};

}  // namespace absence::ui
