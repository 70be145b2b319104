#pragma once
// A change to the data set as a value: it applies itself through the data layer's own rules,
// takes itself back exactly, and says in words what it does. A change that cannot be made
// throws and leaves the data set as it was.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/dataset.h"
#include "data/journal.h"
#include "edit/snapshot.h"

namespace absence::edit {

// A change was refused (its record is gone, a value is out of range); nothing was changed.
// The data layer's own refusals (EHoursRangeError, EIdentifierRangeError) pass through as they
// are, also with nothing changed.
class EChangeRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What an applied or reverted change touched, for the windows that show it.
struct TTouched {
  std::vector<int32_t> Emps;  // employees whose record, balances or entries changed
  bool EmpList = false;       // employees were added or reordered
  bool EmpRecords = false;    // an employee's own fields changed (name, dates, trash...)
  bool Reasons = false;
  bool Depts = false;
  bool Globals = false;
  bool Replaced = false;  // the whole data set was replaced
};

class TChange {
 public:
  TChange() = default;
  TChange(const TChange&) = delete;
  TChange& operator=(const TChange&) = delete;
  virtual ~TChange() = default;

  // Makes the change. When refused, throws and leaves the data set unchanged.
  virtual void Apply(TDataSet& data);
  // Takes back the change last applied, leaving the data set exactly as before it.
  virtual void Revert(TDataSet& data);
  // What the change does, in words, as seen in the data set before it is applied. Dates are
  // written with `datePattern`.
  virtual std::string Describe(const TDataSet& data, std::string_view datePattern) const = 0;
  // Valid after Apply or Revert.
  const TTouched& Touched() const { return touched_; }
  // The change as the journal keeps it, made when it was last applied: its kind, when, what it
  // did in words, the records it touched and their values before and after. User and host are
  // the saver's to fill in.
  const TJournalRecord& Journal() const { return journal_; }
  // The kind of change, one of journal_kind.
  virtual const char* JournalKind() const = 0;

 protected:
  // What Run may change.
  virtual TScope Scope(const TDataSet& data) const = 0;
  // Checks that the change can be made (throwing EChangeRefused when not), then makes it.
  virtual void Run(TDataSet& data) = 0;
  TTouched touched_;
  TJournalRecord journal_;

 private:
  std::optional<TSnapshot> before_;
};

using TChangePtr = std::unique_ptr<TChange>;

}  // namespace absence::edit
