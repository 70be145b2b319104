#pragma once
// The refusal of a name another record already has: the message for a live or a trashed twin,
// and the focus back in the name box.
#include <QString>

#include "data/duplicates.h"

class QWidget;

namespace absence::ui {

struct TDuplicateTexts {
  QString Live;
  QString Deleted;
};

// True when there is no twin; otherwise says so and puts the focus into `nameBox`.
bool AcceptName(TDuplicate duplicate, const TDuplicateTexts& texts, QWidget* nameBox);

}  // namespace absence::ui
