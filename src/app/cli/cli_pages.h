#pragma once
// What absence-cli's report and print commands share: a GUI application object for the fonts,
// today's date, and the report settings read from the settings file.
#include <QGuiApplication>
#include <memory>

#include "app/cli/cli.h"
#include "reports/report.h"

namespace absence::cli {

// A GUI application object for the fonts, unless one exists; it lives as long as the result.
std::unique_ptr<QGuiApplication> GuiApplication();
TDate TodayDate();
reports::TReportSettings SettingsFromIni(const TContext& ctx, TDate today);

}  // namespace absence::cli
