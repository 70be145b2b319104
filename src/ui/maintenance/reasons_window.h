#pragma once
// The absence reason list: every live reason with its policy settings; opens the policy wizard.
#include "ui/common/list_window.h"

namespace absence::ui {

class TDataSession;

inline constexpr int kReasonsHelpContext = 110;

class TfrmReasons : public TListWindow {
  Q_OBJECT
 public:
  explicit TfrmReasons(TDataSession& session, QWidget* parent = nullptr);

  QToolButton* spdPolicy = nullptr;

 protected:
  bool AddRows() override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  bool UndoDelete() override;

 private:
  void spdPolicyClick();
  void PicksChanged();

  TDataSession& session_;
};

}  // namespace absence::ui
