#pragma once
// Toolbar buttons take the user's style: pictures, captions or both, flat or raised.
#include "data/settings.h"

class QWidget;
class QToolButton;

namespace absence::ui {

// Property holding a speed button's place in its toolbar (1, 2, ...); 0 or absent: not styled.
inline constexpr const char* kToolTagProperty = "tag";

// Styles every speed button with a tag above 0 on `form` by the ToolCaption and
// ShowButtonBorder settings: picture only (square, Scale(27)), caption only (Scale(27) high), or
// picture over caption in the small font. Flat unless borders are on.
void StyleToolbar(QWidget* form);

// The same for one button.
void StyleToolButton(QToolButton* button, TToolCaption toolCaption, bool showBorder);

}  // namespace absence::ui
