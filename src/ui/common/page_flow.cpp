#include "ui/common/page_flow.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

namespace absence::ui {

TPageFlow::TPageFlow(QStackedWidget* pages, QPushButton* back, QPushButton* next, QObject* parent)
    : QObject(parent), pages_(pages), back_(back), next_(next) {
  back_->setEnabled(false);
  back_->setIcon(back_->style()->standardIcon(QStyle::SP_ArrowBack));
  SetNext(next_->text(), true);
  connect(back_, &QPushButton::clicked, this, [this] { emit BackPressed(Current()); });
  connect(next_, &QPushButton::clicked, this, [this] { emit NextPressed(Current()); });
}

int TPageFlow::Current() const {
  return pages_->currentIndex();
}

int TPageFlow::Previous() const {
  return path_.empty() ? -1 : path_.back();
}

void TPageFlow::GoTo(int page) {
  path_.push_back(Current());
  Show(page);
}

bool TPageFlow::Back() {
  if (path_.empty()) return false;
  const int page = path_.back();
  path_.pop_back();
  Show(page);
  return true;
}

void TPageFlow::Restart(int from, int page) {
  path_.assign(1, from);
  Show(page);
}

void TPageFlow::SetNext(const QString& caption, bool arrowAfter) {
  next_->setText(caption);
  next_->setIcon(next_->style()->standardIcon(QStyle::SP_ArrowForward));
  // A push button draws its icon before the text; right to left puts it after.
  next_->setLayoutDirection(arrowAfter ? Qt::RightToLeft : Qt::LeftToRight);
}

void TPageFlow::Show(int page) {
  pages_->setCurrentIndex(page);
  back_->setEnabled(!path_.empty());
  emit PageShown(page);
}

}  // namespace absence::ui
