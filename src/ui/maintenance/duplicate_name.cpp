#include "ui/maintenance/duplicate_name.h"

#include <QWidget>

#include "ui/common/message_box.h"

namespace absence::ui {

bool AcceptName(TDuplicate duplicate, const TDuplicateTexts& texts, QWidget* nameBox) {
  if (duplicate == TDuplicate::None) return true;
  MessageBoxTitled(duplicate == TDuplicate::Deleted ? texts.Deleted : texts.Live,
                   TMsgKind::Information, mbOK);
  nameBox->setFocus();
  return false;
}

}  // namespace absence::ui
