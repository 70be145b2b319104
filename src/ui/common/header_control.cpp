#include "ui/common/header_control.h"

#include <QStandardItemModel>

namespace absence::ui {

THeaderControl::THeaderControl(const QString& name, const QStringList& captions,
                               const QList<int>& widths, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), model_(new QStandardItemModel(0, 0, this)) {
  setObjectName(name);
  model_->setHorizontalHeaderLabels(captions);
  setModel(model_);
  setSectionsClickable(false);
  setSectionsMovable(false);
  setHighlightSections(false);
  setStretchLastSection(false);
  setMinimumSectionSize(0);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // A header bar is one line high however tall its parent layout is.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  setFixedHeight(fontMetrics().height() + 8);
  for (int i = 0; i < widths.size() && i < captions.size(); ++i) resizeSection(i, widths[i]);
}

}  // namespace absence::ui
