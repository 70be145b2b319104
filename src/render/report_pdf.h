#pragma once
// A generated report written as a PDF file (pages of the document's paper, text kept as text).
#include <QPageLayout>
#include <QString>

#include "reports/page_document.h"

namespace absence::render {

// The document's sheet as Qt's page layout, without margins (the pages carry their own).
QPageLayout PageLayout(const reports::TDocument& doc);

// Writes every page of `doc` in place of the file, which keeps its old contents when anything
// fails; throws std::runtime_error (EDataFileError with the system's message) on failure.
void WriteReportPdf(const reports::TDocument& doc, const QString& fileName, const QString& title);

}  // namespace absence::render
