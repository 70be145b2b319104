#pragma once
// The two fonts of the windows: the desktop's dialog font and a smaller one for toolbar captions.
#include <QFont>

namespace absence::ui {

QFont DialogFont();
QFont SmallFont();

}  // namespace absence::ui
