#include "ui/common/page_flow.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>

namespace absence::ui {

TPageFlow::TPageFlow(QStackedWidget* pages, QPushButton* back, QPushButton* next, QObject* parent)
    : QObject(parent), pages_(pages), back_(back), next_(next) {
  connect(back_, &QPushButton::clicked, this, [this] { emit BackPressed(Page()); });
  connect(next_, &QPushButton::clicked, this, [this] { emit NextPressed(Page()); });
  GoTo(0);
}

int TPageFlow::Page() const {
  return pages_->currentIndex();
}

bool TPageFlow::OnLastPage() const {
  return Page() == pages_->count() - 1;
}

void TPageFlow::GoTo(int page) {
  pages_->setCurrentIndex(page);
  back_->setEnabled(page > 0);
  const bool last = OnLastPage();
  next_->setText(last ? QStringLiteral("&Finish") : QStringLiteral("&Next"));
  next_->setIcon(
      next_->style()->standardIcon(last ? QStyle::SP_DialogApplyButton : QStyle::SP_ArrowRight));
  // The arrow stands after "Next"; the finish mark before "Finish".
  next_->setLayoutDirection(last ? Qt::LeftToRight : Qt::RightToLeft);
}

}  // namespace absence::ui
