#pragma once
// The page flow of a wizard: a stack of pages, a Back button that retraces the pages visited on
// the way forward, and a Next button whose caption and arrow the wizard sets per page.
#include <QObject>
#include <QString>
#include <vector>

class QPushButton;
class QStackedWidget;

namespace absence::ui {

class TPageFlow : public QObject {
  Q_OBJECT
 public:
  // Neither widget is owned; Back starts disabled.
  TPageFlow(QStackedWidget* pages, QPushButton* back, QPushButton* next, QObject* parent = nullptr);

  int Current() const;
  // Shows `page`, remembering the current one for Back.
  void GoTo(int page);
  // Shows the page before the current one on the way here; false on the first page.
  bool Back();
  // Shows `page` as if reached from `from` only (the path before `from` is forgotten).
  void Restart(int from, int page);
  // The page Back would show; -1 when there is none.
  int Previous() const;

  // Next with the arrow after the caption ("&Next"), or, for the step that runs the wizard's
  // work, before it ("&Import").
  void SetNext(const QString& caption, bool arrowAfter);

 signals:
  // A page was shown, by GoTo, Back or Restart.
  void PageShown(int page);
  // The Back or Next button was pressed on `page`; the wizard decides where it leads.
  void BackPressed(int page);
  void NextPressed(int page);

 private:
  void Show(int page);

  QStackedWidget* pages_;
  QPushButton* back_;
  QPushButton* next_;
  std::vector<int> path_;  // the pages before the current one, in the order visited
};

}  // namespace absence::ui
