#include "ui/common/column_widths.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableView>

#include "ui/common/scale.h"
#include "ui/common/settings_service.h"

namespace absence::ui {
namespace {

constexpr int kMaxColumnWidth = 10000;

int GridWidthFor(int column, int sectionWidth) {
  return column == 0 ? sectionWidth - 3 : sectionWidth - 1;
}

int SectionWidthFor(int column, int gridWidth) {
  return column == 0 ? gridWidth + 3 : gridWidth + 1;
}

QString StoredWidths(const QString& headerName) {
  return SettingsService().ColumnWidths(ColumnWidthKey(headerName));
}

void StoreWidths(const QString& headerName, const QStringList& widths) {
  SettingsService().SetColumnWidths(ColumnWidthKey(headerName), widths.join(u','));
}

}  // namespace

QString ColumnWidthKey(const QString& headerName) {
  return headerName.mid(3) + QStringLiteral("Settings");
}

std::optional<QList<int>> ParseColumnWidths(const QString& value) {
  if (value.trimmed() == u"0" || value.trimmed().isEmpty()) return std::nullopt;
  QStringList parts = value.split(u',');
  parts.last() = parts.last().left(4);
  QList<int> widths;
  for (const QString& p : parts) {
    bool ok = false;
    const int w = p.trimmed().toInt(&ok);
    if (!ok || w < 0 || w > kMaxColumnWidth) return std::nullopt;
    widths << w;
  }
  return widths;
}

void SaveColumnWidths(const QTableView* view) {
  const QHeaderView* header = view->horizontalHeader();
  QStringList widths;
  // Hidden columns were hidden by a shorter list: saving the shown ones keeps them hidden.
  for (int c = 0; c < header->count() && !view->isColumnHidden(c); ++c)
    widths << QString::number(SectionWidthFor(c, view->columnWidth(c)));
  StoreWidths(header->objectName(), widths);
}

bool LoadColumnWidths(QTableView* view, const QList<int>& designWidths) {
  QHeaderView* header = view->horizontalHeader();
  const int columns = header->count();
  const auto widths = ParseColumnWidths(StoredWidths(header->objectName()));
  for (int c = 0; c < columns; ++c) {
    if (widths) {
      const bool listed = c < widths->size();
      view->setColumnHidden(c, !listed);
      if (listed) view->setColumnWidth(c, std::max(0, GridWidthFor(c, (*widths)[c])));
    } else {
      view->setColumnHidden(c, false);
      if (c < designWidths.size()) view->setColumnWidth(c, Scale(designWidths[c]));
    }
  }
  view->verticalHeader()->setDefaultSectionSize(
      Scale(view->verticalHeader()->defaultSectionSize()));
  return widths.has_value();
}

}  // namespace absence::ui
