#pragma once
// "Today" for every window, from one clock that tests can fix.
#include <optional>

#include "data/types.h"

namespace absence::ui {

TDate Today();
// Fixes the date Today() returns; std::nullopt returns to the system clock.
void SetTodayOverride(std::optional<TDate> date);

}  // namespace absence::ui
