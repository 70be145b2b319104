#pragma once
// A toolbar's speed button: caption, picture, hint and its place in the toolbar (for styling).
#include <QString>

class QBoxLayout;
class QToolButton;

namespace absence::ui {

QToolButton* AddSpeedButton(QBoxLayout* row, const char* name, const QString& caption,
                            const QString& hint, const char* picture, int tag);

}  // namespace absence::ui
