#pragma once
// The printers the program may print on. A "PDF file" printer is always offered besides the
// system's printers; tests replace the whole list (an empty list means no printer at all).
#include <QStringList>
#include <optional>

namespace absence::ui {

inline constexpr const char* kPdfPrinterName = "PDF file";

QStringList AvailablePrinters();
// The system's default printer, or the first one offered; empty when there is none.
QString DefaultPrinterName();
void SetPrintersOverride(std::optional<QStringList> printers);

}  // namespace absence::ui
