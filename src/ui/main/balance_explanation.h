#pragma once
// "How this balance was reached": the balances panel's figures for one employee and reason
// explained (the accrual engine's ledger, the entries used, the balance), to read and to copy.
#include <QDialog>
#include <cstdint>

#include "data/dataset.h"

class QPlainTextEdit;

namespace absence::ui {

class TDataSession;

inline constexpr int kBalanceExplanationHelpContext = 1115;

class TfrmBalanceExplanation : public QDialog {
  Q_OBJECT
 public:
  // `lines` as the core's BalanceExplanation gives them.
  explicit TfrmBalanceExplanation(const std::vector<std::string>& lines, QWidget* parent = nullptr);

  QString Text() const;

 private:
  void CopyLedger();

  QPlainTextEdit* ledger_ = nullptr;
};

// The explanation of the accrued hours of employee `empID` for reason `reasonID` as of `asOf`
// (the date the balance rule passes to the engine), with the user's benefit year and date
// pattern. Empty when the employee or the reason is not in the data set.
std::vector<std::string> ExplainBalance(const TDataSet& data, int32_t empID, int32_t reasonID,
                                        TDate asOf);

// The explanation of the three figures the balances panel shows for employee `empID` and reason
// `reasonID` on the panel's date `date`, with the user's benefit year, date pattern and hour
// format. Empty when the employee or the reason is not in the data set.
std::vector<std::string> ExplainPanelBalance(const TDataSet& data, int32_t empID, int32_t reasonID,
                                             TDate date);

// Shows the explanation of the panel's figures on `date` for the session's data set modally;
// false (nothing shown) when the employee or the reason is not in it.
bool ShowBalanceExplanation(const TDataSession& session, int32_t empID, int32_t reasonID,
                            TDate date, QWidget* parent = nullptr);

}  // namespace absence::ui
