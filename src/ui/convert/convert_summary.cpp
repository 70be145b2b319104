#include "ui/convert/convert_summary.h"

#include <QStringList>

namespace absence::ui {

namespace {

QString Count(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
}

}  // namespace

QString RemovalText(const TConvertChoice& c) {
  if (!c.Import || !c.Replace) return QString();
  QStringList parts;
  if (c.Employees) parts << Count(c.RemovesEmployees, "employee", "employees");
  parts << Count(c.RemovesEntries, "absence entry", "absence entries");
  if (c.Employees) parts << Count(c.RemovesBalances, "opening balance", "opening balances");
  if (c.RemovesEmployees + c.RemovesEntries + c.RemovesBalances == 0) return QString();
  const QString last = parts.takeLast();
  const QString list =
      parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
  return QStringLiteral("This removes ") + list + u'.';
}

namespace {

// What a replace import takes away, a line each under "  Removing:".
void AddRemovalLines(QStringList& lines, const TConvertChoice& c) {
  if (RemovalText(c).isEmpty()) return;
  lines << QStringLiteral("  Removing:");
  if (c.Employees)
    lines << QStringLiteral("    ") + Count(c.RemovesEmployees, "employee", "employees");
  lines << QStringLiteral("    ") + Count(c.RemovesEntries, "absence entry", "absence entries");
  if (c.Employees)
    lines << QStringLiteral("    ") +
                 Count(c.RemovesBalances, "opening balance", "opening balances");
}

}  // namespace

QString SummaryText(const TConvertChoice& c, const QString& fileName) {
  QStringList lines;
  lines << (c.Import ? QStringLiteral("Import:") : QStringLiteral("Export:"));
  if (c.Employees) {
    lines << QStringLiteral("Employee Information");
    if (c.Import)
      lines << (c.Replace ? QStringLiteral("  Replacing all existing Employees")
                          : QStringLiteral("  Adding to existing Employees"));
    if (c.Import) AddRemovalLines(lines, c);
  } else {
    lines << QStringLiteral("Absence Information ");
    if (c.Import) {
      lines << (c.Replace ? QStringLiteral("  Replacing all existing Absence entries")
                          : QStringLiteral("  Adding to existing Absence entries"));
      AddRemovalLines(lines, c);
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
