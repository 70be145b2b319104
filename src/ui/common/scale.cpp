#include "ui/common/scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace absence::ui {
namespace {
int g_resolution = kDesignResolution;
}

int ScreenResolution() {
  return g_resolution;
}

void SetScreenResolution(int pixelsPerInch) {
  g_resolution = pixelsPerInch > 0 ? pixelsPerInch : kDesignResolution;
}

void InitScreenResolution() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  SetScreenResolution(screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX()))
                             : kDesignResolution);
}

int Scale(int pixels) {
  return static_cast<int>(static_cast<double>(pixels) * g_resolution / kDesignResolution);
}

}  // namespace absence::ui
