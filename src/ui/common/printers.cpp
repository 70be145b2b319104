#include "ui/common/printers.h"

#include <QPrinterInfo>

namespace absence::ui {
namespace {
std::optional<QStringList> g_override;
}

void SetPrintersOverride(std::optional<QStringList> printers) {
  g_override = std::move(printers);
}

QStringList AvailablePrinters() {
  if (g_override) return *g_override;
  QStringList names = QPrinterInfo::availablePrinterNames();
  names << QString::fromLatin1(kPdfPrinterName);
  return names;
}

QString DefaultPrinterName() {
  const QStringList names = AvailablePrinters();
  if (names.isEmpty()) return {};
  if (!g_override) {
    const QString system = QPrinterInfo::defaultPrinterName();
    if (!system.isEmpty()) return system;
  }
  return names.first();
}

}  // namespace absence::ui
