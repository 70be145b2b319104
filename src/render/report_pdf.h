#pragma once
// A generated report written as a PDF file (pages in US Letter, text kept as text).
#include <QString>

#include "reports/page_document.h"

namespace absence::render {

// Writes every page of `doc` in place of the file, which keeps its old contents when anything
// fails; throws std::runtime_error (EDataFileError with the system's message) on failure.
void WriteReportPdf(const reports::TDocument& doc, const QString& fileName, const QString& title);

}  // namespace absence::render
