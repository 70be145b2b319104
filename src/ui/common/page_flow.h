#pragma once
// The page flow of a wizard: a stack of pages with Back and Next buttons below. Back is enabled
// past the first page; on the last page Next reads "&Finish". The window decides where each
// press leads (it may refuse, or stay on a page showing another record) and calls GoTo.
#include <QObject>

class QPushButton;
class QStackedWidget;

namespace absence::ui {

class TPageFlow : public QObject {
  Q_OBJECT
 public:
  TPageFlow(QStackedWidget* pages, QPushButton* back, QPushButton* next, QObject* parent);

  int Page() const;
  bool OnLastPage() const;
  void GoTo(int page);

 signals:
  void NextPressed(int page);
  void BackPressed(int page);

 private:
  QStackedWidget* pages_;
  QPushButton* back_;
  QPushButton* next_;
};

}  // namespace absence::ui
