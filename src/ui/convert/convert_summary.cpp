#include "ui/convert/convert_summary.h"

#include <QStringList>

#include "ui/convert/convert_wizard.h"

namespace absence::ui {

namespace {

// "1 employee", "2 employees": the word is translated as a whole for each number form.
QString Count(int n, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(n).arg(TfrmConvert::tr(n == 1 ? one : many));
}

constexpr const char* kEmployee = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "employee");
constexpr const char* kEmployees = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "employees");
constexpr const char* kEntry = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "absence entry");
constexpr const char* kEntries = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "absence entries");
constexpr const char* kBalance = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "opening balance");
constexpr const char* kBalances = QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "opening balances");

}  // namespace

QString RemovalText(const TConvertChoice& c) {
  if (!c.Import || !c.Replace) return QString();
  QStringList parts;
  if (c.Employees) parts << Count(c.RemovesEmployees, kEmployee, kEmployees);
  parts << Count(c.RemovesEntries, kEntry, kEntries);
  if (c.Employees) parts << Count(c.RemovesBalances, kBalance, kBalances);
  if (c.RemovesEmployees + c.RemovesEntries + c.RemovesBalances == 0) return QString();
  const QString last = parts.takeLast();
  const QString list =
      parts.isEmpty() ? last
                      : TfrmConvert::tr("%1 and %2").arg(parts.join(QStringLiteral(", ")), last);
  return TfrmConvert::tr("This removes %1.").arg(list);
}

namespace {

// What a replace import takes away, a line each under "  Removing:".
void AddRemovalLines(QStringList& lines, const TConvertChoice& c) {
  if (RemovalText(c).isEmpty()) return;
  lines << TfrmConvert::tr("  Removing:");
  if (c.Employees)
    lines << QStringLiteral("    ") + Count(c.RemovesEmployees, kEmployee, kEmployees);
  lines << QStringLiteral("    ") + Count(c.RemovesEntries, kEntry, kEntries);
  if (c.Employees) lines << QStringLiteral("    ") + Count(c.RemovesBalances, kBalance, kBalances);
}

}  // namespace

QString SummaryText(const TConvertChoice& c, const QString& fileName) {
  QStringList lines;
  lines << (c.Import ? TfrmConvert::tr("Import:") : TfrmConvert::tr("Export:"));
  if (c.Employees) {
    lines << TfrmConvert::tr("Employee Information");
    if (c.Import)
      lines << (c.Replace ? TfrmConvert::tr("  Replacing all existing Employees")
                          : TfrmConvert::tr("  Adding to existing Employees"));
    if (c.Import) AddRemovalLines(lines, c);
  } else {
    lines << TfrmConvert::tr("Absence Information ");
    if (c.Import) {
      lines << (c.Replace ? TfrmConvert::tr("  Replacing all existing Absence entries")
                          : TfrmConvert::tr("  Adding to existing Absence entries"));
      AddRemovalLines(lines, c);
    } else if (c.Selected) {
      lines << TfrmConvert::tr("  From:\t%1").arg(c.StartText)
            << TfrmConvert::tr("  To:\t%1").arg(c.EndText);
    }
  }
  lines << QString() << (c.Import ? TfrmConvert::tr("Import from:") : TfrmConvert::tr("Export to:"))
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
