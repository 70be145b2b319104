#pragma once
// Toolbar buttons take the user's style: pictures, captions or both, flat or raised.
class QWidget;
class QToolButton;

namespace absence::ui {

// Property holding a speed button's place in its toolbar (1, 2, ...); 0 or absent: not styled.
inline constexpr const char* kToolTagProperty = "tag";

// Styles every speed button with a tag above 0 on `form` by the ToolCaption and
// ShowButtonBorder settings: 0 picture only (square, Scale(27)), 1 caption only (Scale(27)
// high), 2 picture over caption in the small font. Flat unless borders are on.
void StyleToolbar(QWidget* form);

// The same for one button.
void StyleToolButton(QToolButton* button, int toolCaption, bool showBorder);

}  // namespace absence::ui
