#pragma once
// A drop-down list whose items each carry one integer (a record's identifier) besides the text.
#include <QComboBox>
#include <cstdint>

namespace absence::ui {

class TPVComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TPVComboBox(QWidget* parent = nullptr);

  void AddItem(const QString& text, int32_t id);
  int32_t ItemID(int index) const;
  // The identifier of the selected item; 0 when none is selected.
  int32_t CurrentID() const;
  // Index of the first item carrying `id`; -1 when none.
  int IndexOfID(int32_t id) const;
};

}  // namespace absence::ui
