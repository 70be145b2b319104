#pragma once
// Printing a list printout from a window: laid out for the chosen printer with the real fonts
// and sent to it straight away (the "PDF file" printer asks for a file name).
#include <QString>
#include <functional>

#include "reports/list_printouts.h"

namespace absence::ui {

// The chosen printer's sheet, turned to `orientation`, as the list printer sees it.
reports::TPrintDevice PrinterDevice(const QString& printerName, TOrientation orientation);

using TLayPrintout = std::function<reports::TDocument(const reports::TPrintoutSetup&)>;
// Lays the printout out under the wait cursor, on the printer's paper in the orientation chosen
// in Printer Setup, and prints every page once; false when nothing
// was printed (no file name given, or the printer could not start).
bool PrintList(const TLayPrintout& lay, const QString& title);

}  // namespace absence::ui
