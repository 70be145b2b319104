#pragma once
// Fixed pixel sizes are designed for 96 pixels per inch and scaled to the screen's resolution.

namespace absence::ui {

inline constexpr int kDesignResolution = 96;

// The screen's horizontal pixels per inch, read once at start-up (tests set it).
int ScreenResolution();
void SetScreenResolution(int pixelsPerInch);
// Reads the resolution from the primary screen.
void InitScreenResolution();

// pixels × resolution / 96, truncated toward zero.
int Scale(int pixels);

}  // namespace absence::ui
