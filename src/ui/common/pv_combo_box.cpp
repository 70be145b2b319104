#include "ui/common/pv_combo_box.h"

namespace absence::ui {

TPVComboBox::TPVComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
}

void TPVComboBox::AddItem(const QString& text, int32_t id) {
  addItem(text, QVariant(id));
}

int32_t TPVComboBox::ItemID(int index) const {
  return index >= 0 && index < count() ? itemData(index).toInt() : 0;
}

int32_t TPVComboBox::CurrentID() const {
  return ItemID(currentIndex());
}

int TPVComboBox::IndexOfID(int32_t id) const {
  return findData(QVariant(id));
}

}  // namespace absence::ui
