#pragma once
// A change of absence entries that the core may refuse because hours would add up to more than
// a file can store.
#include <functional>

namespace absence::ui {

// Runs `change`; when the core refuses it for its hours, says so in an error box instead of
// letting the refusal end the program. Returns whether the change was made.
bool ChangeEntries(const std::function<void()>& change);

}  // namespace absence::ui
