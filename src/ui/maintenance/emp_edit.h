#pragma once
// Running the employee dialog for a new or an existing employee and applying what it returns:
// the fields, the balances a new employee starts with, the global entries that apply, and the
// manager role in the department.
#include <cstdint>

class QWidget;

namespace absence::ui {

class TDataSession;

// `empID` 0: a new employee. Returns the employee's identifier after OK, 0 after Cancel. The
// employee list is sorted again afterwards.
int32_t EditEmployee(TDataSession& session, int32_t empID, QWidget* parent);

}  // namespace absence::ui
