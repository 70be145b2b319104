#pragma once
// A generated report written as a PDF file (pages in US Letter, text kept as text).
#include <QString>

#include "reports/page_document.h"

namespace absence::ui {

// Writes every page of `doc`; throws std::runtime_error when the file cannot be written.
void WriteReportPdf(const reports::TDocument& doc, const QString& fileName, const QString& title);

}  // namespace absence::ui
