#include "ui/convert/convert_summary.h"

#include <QStringList>

namespace absence::ui {

QString SummaryText(const TConvertChoice& c, const QString& fileName) {
  QStringList lines;
  lines << (c.Import ? QStringLiteral("Import:") : QStringLiteral("Export:"));
  if (c.Employees) {
    lines << QStringLiteral("Employee Information");
    if (c.Import)
      lines << (c.Replace ? QStringLiteral("  Replacing all existing Employees")
                          : QStringLiteral("  Adding to existing Employees"));
  } else {
    lines << QStringLiteral("Absence Information ");
    if (c.Import) {
      lines << (c.Replace ? QStringLiteral("  Replacing all existing Absence entries")
                          : QStringLiteral("  Adding to existing Absence entries"));
    } else if (c.Selected) {
      lines << QStringLiteral("  From:\t") + c.StartText << QStringLiteral("  To:\t") + c.EndText;
    }
  }
  lines << QString() << (c.Import ? QStringLiteral("Import from:") : QStringLiteral("Export to:"))
        << fileName;
  return lines.join(u'\n');
}

QString MinimizeName(const QString& path, const std::function<int(const QString&)>& width,
                     int maxWidth) {
  if (width(path) <= maxWidth) return path;
  QStringList parts = path.split(u'/');
  // parts[0] is "" for an absolute path, or a drive ("C:") or the first folder.
  const QString root = parts.front();
  const bool keepRoot = root.isEmpty() || root.endsWith(u':');
  const int first = keepRoot ? 1 : 0;
  for (int skip = first + 1; skip < parts.size(); ++skip) {
    const QString tail = QStringList(parts.mid(skip)).join(u'/');
    const QString shorter = (keepRoot ? root + u'/' : QString()) + QStringLiteral(".../") + tail;
    if (width(shorter) <= maxWidth) return shorter;
  }
  return parts.back();
}

}  // namespace absence::ui
