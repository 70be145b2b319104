#pragma once
// Hands a document, a help file or an address to the desktop to open.
#include <QString>

namespace absence::ui {

// Returns false when the desktop could not open it.
bool OpenDocument(const QString& path);

}  // namespace absence::ui
