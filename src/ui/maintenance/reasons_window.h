#pragma once
// The absence reason list: every live reason with its policy settings; opens the policy wizard.
#include "ui/common/list_window.h"

namespace absence::ui {

class TDataSession;
struct TRecordRow;

inline constexpr int kReasonsHelpContext = 110;

class TfrmReasons : public TListWindow {
  Q_OBJECT
 public:
  explicit TfrmReasons(TDataSession& session, QWidget* parent = nullptr);

 protected:
  bool AnyTrashed() const override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  void UndoDelete() override;

 private:
  std::vector<TRecordRow> Rows() const;
  void PolicyClicked();
  // The wizard is for one picked reason with a policy.
  void UpdatePolicyButton();

  TDataSession& session_;
  QToolButton* policyButton_ = nullptr;
};

}  // namespace absence::ui
