#include "ui/common/column_widths.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include "data/ini_file.h"
#include "ui/common/header_control.h"
#include "ui/common/message_box.h"
#include "ui/common/scale.h"
#include "ui/common/version_info.h"

namespace absence::ui {
namespace {

constexpr int kMaxColumnWidth = 10000;

int GridWidthFor(int column, int sectionWidth) {
  return column == 0 ? sectionWidth - 3 : sectionWidth - 1;
}

void HideColumnsFrom(QTableWidget* grid, int first) {
  for (int c = 0; c < grid->columnCount(); ++c) grid->setColumnHidden(c, c >= first);
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

void SaveColumnWidths(const THeaderControl* header, const QString& iniFileName) {
  QStringList widths;
  for (int i = 0; i < header->SectionCount(); ++i)
    widths << QString::number(header->SectionWidth(i));
  TIniFile ini(iniFileName.toStdString());
  ini.Load();
  ini.WriteString(ProductSection().toStdString(),
                  ColumnWidthKey(header->objectName()).toStdString(),
                  widths.join(u',').toStdString());
  try {
    ini.Save();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
}

void LoadColumnWidths(THeaderControl* header, QTableWidget* grid, const QString& iniFileName) {
  TIniFile ini(iniFileName.toStdString());
  ini.Load();
  const QString stored = QString::fromStdString(ini.ReadString(
      ProductSection().toStdString(), ColumnWidthKey(header->objectName()).toStdString(), "0"));
  const int sections = header->SectionCount();
  if (const auto widths = ParseColumnWidths(stored)) {
    const int n = static_cast<int>(widths->size());
    for (int i = 0; i < n && i < sections; ++i) header->SetSectionWidth(i, (*widths)[i]);
    for (int i = 0; i < n && i < grid->columnCount(); ++i)
      grid->setColumnWidth(i, std::max(0, GridWidthFor(i, (*widths)[i])));
    HideColumnsFrom(grid, std::min(n, sections));
  } else {
    for (int c = 0; c < grid->columnCount(); ++c)
      grid->setColumnWidth(c, Scale(grid->columnWidth(c)));
    int used = 0;
    for (int i = 0; i + 1 < sections; ++i) {
      const int w = grid->columnWidth(i) + (i == 0 ? 3 : 1);
      header->SetSectionWidth(i, w);
      used += w;
    }
    if (sections > 0) header->SetSectionWidth(sections - 1, std::max(0, header->width() - used));
    HideColumnsFrom(grid, sections);
  }
  grid->verticalHeader()->setDefaultSectionSize(
      Scale(grid->verticalHeader()->defaultSectionSize()));
}

void SaveHeaderWidths(const QHeaderView* header, const QString& iniFileName) {
  QStringList widths;
  for (int i = 0; i < header->count(); ++i) widths << QString::number(header->sectionSize(i));
  TIniFile ini(iniFileName.toStdString());
  ini.Load();
  ini.WriteString(ProductSection().toStdString(),
                  ColumnWidthKey(header->objectName()).toStdString(),
                  widths.join(u',').toStdString());
  try {
    ini.Save();
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
}

void LoadHeaderWidths(QHeaderView* header, const QList<int>& designWidths,
                      const QString& iniFileName) {
  TIniFile ini(iniFileName.toStdString());
  ini.Load();
  const auto stored = ParseColumnWidths(QString::fromStdString(ini.ReadString(
      ProductSection().toStdString(), ColumnWidthKey(header->objectName()).toStdString(), "0")));
  const QList<int> widths = stored ? *stored : designWidths;
  const int n = static_cast<int>(widths.size());
  for (int i = 0; i < header->count(); ++i) {
    header->setSectionHidden(i, i >= n);
    if (i < n) header->resizeSection(i, stored ? widths[i] : Scale(widths[i]));
  }
}

}  // namespace absence::ui
