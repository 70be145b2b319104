#include "support.h"

#include <QDir>
#include <QFile>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"

namespace absence::ui::test {

TTempEnvironment::TTempEnvironment() {
  QDir(dir_.path()).mkpath(QStringLiteral("data"));
  App() = TAppState{};
  App().AppFolder = (dir_.path() + QStringLiteral("/data/")).toStdString();
  App().IniPath = (dir_.path() + QStringLiteral("/config/ABSENCE.INI")).toStdString();
  SetScreenResolution(kDesignResolution);
  SetPrintersOverride(QStringList{QStringLiteral("PDF file")});
}

TTempEnvironment::~TTempEnvironment() {
  SetPrintersOverride(std::nullopt);
  SetTodayOverride(std::nullopt);
}

QString TTempEnvironment::DataFolder() const {
  return dir_.path() + QStringLiteral("/data/");
}

QString TTempEnvironment::IniPath() const {
  return QString::fromStdString(App().IniPath);
}

QString TTempEnvironment::DataFile(const char* name) const {
  return DataFolder() + QString::fromLatin1(name);
}

void TTempEnvironment::WriteIni(const QString& text) const {
  QDir().mkpath(dir_.path() + QStringLiteral("/config"));
  QFile f(IniPath());
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(text.toUtf8());
}

QString TTempEnvironment::ReadIni() const {
  QFile f(IniPath());
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

TMessageBoxSpy::TMessageBoxSpy() {
  SetMessageBoxHook([this](const TMessageBoxCall& call) {
    calls_.push_back(call);
    if (!answers_.empty()) {
      const TMsgButton b = answers_.front();
      answers_.pop_front();
      return b;
    }
    for (unsigned bit = 1; bit <= mbHelp; bit <<= 1)
      if (call.Buttons & bit) return static_cast<TMsgButton>(bit);
    return mbOK;
  });
}

TMessageBoxSpy::~TMessageBoxSpy() {
  SetMessageBoxHook(nullptr);
}

}  // namespace absence::ui::test
