#pragma once
// pnlEmpData: every employee's entries on one day, global ones marked with the globe.
#include <QMetaType>
#include <QWidget>

#include "data/kinds.h"
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
  static constexpr int kKindRole = Qt::UserRole + 2;  // TEntryKind
  static constexpr int kDateRole = Qt::UserRole + 3;

  explicit TDayList(TDataSession& session, QWidget* parent = nullptr);

  void ShowDayEntries(TDate date);

 private:
  TDataSession& session_;
  QLabel* lblDayViewDate = nullptr;
  QListWidget* lstViewDay = nullptr;
};

}  // namespace absence::ui

Q_DECLARE_METATYPE(absence::TEntryKind)
