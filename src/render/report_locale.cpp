#include "render/report_locale.h"

#include <QByteArray>
#include <cstdint>

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace absence::render {
namespace {

bool UsesLetter(QLocale::Territory territory) {
  switch (territory) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::PuertoRico:
    case QLocale::Guatemala:
    case QLocale::ElSalvador:
    case QLocale::Nicaragua:
    case QLocale::CostaRica:
    case QLocale::Panama:
    case QLocale::DominicanRepublic:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Chile:
    case QLocale::Philippines:
      return true;
    default:
      return false;
  }
}

// The paper width in millimetres that the system's locale definition gives; 0 when the
// system does not have the locale.
int SystemPaperWidth(const std::string& localeName) {
#if defined(__GLIBC__)
  locale_t loc = newlocale(LC_PAPER_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
  if (!loc) return 0;
  // glibc hands the number over in place of a pointer.
  const auto width = static_cast<int>(
      reinterpret_cast<std::intptr_t>(nl_langinfo_l(static_cast<nl_item>(_NL_PAPER_WIDTH), loc)));
  freelocale(loc);
  return width;
#else
  (void)localeName;
  return 0;
#endif
}

}  // namespace

void SetLocaleNames(reports::TReportSettings& settings, const QLocale& locale) {
  for (int m = 1; m <= 12; ++m)
    settings.MonthNames[static_cast<std::size_t>(m - 1)] =
        locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
  for (int d = 0; d < 7; ++d)  // Sunday first; Qt counts Monday as 1 and Sunday as 7
    settings.DayNames[static_cast<std::size_t>(d)] =
        locale.standaloneDayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
}

reports::TPaper LocalePaper(const std::string& localeName) {
  constexpr int kLetterWidthMm = 216;
  if (localeName.empty() || localeName == "C" || localeName == "POSIX" ||
      localeName.rfind("C.", 0) == 0)
    return reports::PaperA4();
  if (const int width = SystemPaperWidth(localeName); width > 0)
    return width == kLetterWidthMm ? reports::PaperLetter() : reports::PaperA4();
  // "language_TERRITORY" without the codeset or modifier.
  const std::string bare = localeName.substr(0, localeName.find_first_of(".@"));
  const QLocale locale(QString::fromStdString(bare));
  // QLocale falls back to the C locale for a name it cannot read.
  if (locale.language() == QLocale::C) return reports::PaperA4();
  return UsesLetter(locale.territory()) ? reports::PaperLetter() : reports::PaperA4();
}

reports::TPaper UserPaper() {
  for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty()) return LocalePaper(value.toStdString());
  }
  return LocalePaper(std::string());
}

}  // namespace absence::render
