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
// The settings file's preferences, including the orientation chosen in Printer Setup; the
// paper of the user's locale.
reports::TReportSettings SettingsFromIni(const TContext& ctx, TDate today);

// --paper a4|letter on a report or print command; `paper` stays empty when it is not given.
void AddPaper(CLI::App* cmd, std::string& paper);
// The paper named by --paper, or the locale's when `paper` is empty.
reports::TPaper ChosenPaper(const std::string& paper);

}  // namespace absence::cli
