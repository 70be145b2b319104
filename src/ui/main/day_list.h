#pragma once
// pnlEmpData: every employee's entries on one day, global ones marked with the globe.
#include <QWidget>

#include "data/types.h"

class QLabel;
class QListWidget;

namespace absence::ui {

class TDataSession;

class TDayList : public QWidget {
  Q_OBJECT
 public:
  // Typed values beside each item's text.
  static constexpr int kEmpIDRole = Qt::UserRole;
  static constexpr int kReasonIDRole = Qt::UserRole + 1;
  static constexpr int kKindRole = Qt::UserRole + 2;  // 'G' or 'T' as a character
  static constexpr int kDateRole = Qt::UserRole + 3;

  explicit TDayList(TDataSession& session, QWidget* parent = nullptr);

  void ShowDayEntries(TDate date);

 private:
  TDataSession& session_;
  QLabel* lblDayViewDate = nullptr;
  QListWidget* lstViewDay = nullptr;
};

}  // namespace absence::ui
