#pragma once
// Looking at the dialogs: a grab of a window into a PNG file, and a check that every visible
// label, button and box shows its whole text.
#include <QString>

class QWidget;

namespace absence::ui::test {

// Writes `window` to ABSENCE_SCREENSHOT_DIR/<name>.png when that variable names a folder.
void SaveScreenshot(QWidget* window, const QString& name);

// True when no visible label, button, check box or text box of `window` is narrower than its
// text; the cut ones are listed as a test warning.
bool NoCutTexts(QWidget* window);

}  // namespace absence::ui::test
