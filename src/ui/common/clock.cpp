#include "ui/common/clock.h"

#include <QDate>

#include "ui/common/date_text.h"

namespace absence::ui {
namespace {
std::optional<TDate> g_today;
}

TDate Today() {
  return g_today ? *g_today : FromQDate(QDate::currentDate());
}

void SetTodayOverride(std::optional<TDate> date) {
  g_today = date;
}

}  // namespace absence::ui
