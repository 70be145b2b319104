#pragma once
// A free-standing header bar above a grid: captioned sections whose widths the user drags.
#include <QHeaderView>
#include <QStringList>

class QStandardItemModel;

namespace absence::ui {

class THeaderControl : public QHeaderView {
  Q_OBJECT
 public:
  THeaderControl(const QString& name, const QStringList& captions, const QList<int>& widths,
                 QWidget* parent = nullptr);

  int SectionCount() const { return count(); }
  int SectionWidth(int i) const { return sectionSize(i); }
  void SetSectionWidth(int i, int width) { resizeSection(i, width); }

 private:
  QStandardItemModel* model_;
};

}  // namespace absence::ui
