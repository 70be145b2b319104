// absence-cli history: the change journal, newest first, as text or JSON.
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "data/journal.h"

namespace absence::cli {
namespace {

struct THistoryArgs {
  int EmpID = 0;
  int ReasonID = 0;
  int DeptID = 0;
  std::string Kind;
  TDate From = 0;
  TDate To = 0;
  bool Json = false;
};

std::string ValueText(const std::optional<std::string>& v) {
  return v ? "\"" + *v + "\"" : std::string("(none)");
}

// Reads the journal without taking the folder: it is only read.
int RunHistory(TContext& ctx, const THistoryArgs& a) {
  if (a.From != 0 && a.To != 0 && a.From > a.To)
    throw EUsageError("--from must not be later than --to");
  const std::string path = JournalPath(ctx.DataFolder);
  const TJournal journal = ReadJournal(path);
  for (const std::string& p : journal.Problems(path)) *ctx.Err << "warning: " << p << '\n';
  TJournalFilter filter;
  if (a.EmpID > 0) filter.EmpID = a.EmpID;
  if (a.ReasonID > 0) filter.ReasonID = a.ReasonID;
  if (a.DeptID > 0) filter.DeptID = a.DeptID;
  filter.Kind = a.Kind;
  filter.From = a.From;
  filter.To = a.To;
  const std::vector<std::size_t> chosen =
      SelectJournal(journal, filter, TJournalOrder::NewestFirst);
  auto& out = *ctx.Out;
  if (a.Json) {
    // The records as the journal keeps them, as one array.
    out << '[';
    for (std::size_t i = 0; i < chosen.size(); ++i) {
      std::string line = JournalLine(journal.Records[chosen[i]]);
      line.pop_back();
      out << (i == 0 ? "\n" : ",\n") << line;
    }
    out << "\n]\n";
    return kExitOk;
  }
  // A line per change (time, user and computer, kind, what it did), then its values indented.
  for (const std::size_t i : chosen) {
    const TJournalRecord& r = journal.Records[i];
    out << JournalTimeText(r.Time) << '\t' << r.User << '@' << r.Host << '\t' << r.Kind << '\t'
        << r.Text << '\n';
    for (const TJournalValue& v : r.Values) {
      out << '\t' << v.What;
      if (v.Before || v.After) out << ": " << ValueText(v.Before) << " -> " << ValueText(v.After);
      out << '\n';
    }
  }
  return kExitOk;
}

void AddHistoryCommand(CLI::App& app) {
  auto a = std::make_shared<THistoryArgs>();
  CLI::App* cmd = AddCommand(app, "history",
                             "the saved changes, newest first: when, who, what, before -> after",
                             [a](TContext& ctx) { return RunHistory(ctx, *a); });
  AddId(cmd, "--emp", a->EmpID, "only changes of this employee (global entries included)");
  AddId(cmd, "--reason", a->ReasonID, "only changes of this reason");
  AddId(cmd, "--dept", a->DeptID, "only changes of this department and its employees");
  cmd->add_option("--kind", a->Kind, "only changes of this kind (add-entries, import, ...)");
  AddDate(cmd, "--from", a->From, "only changes saved on or after this day");
  AddDate(cmd, "--to", a->To, "only changes saved on or before this day");
  cmd->add_flag("--json", a->Json, "the records as a JSON array");
}

const TRegistrar kHistory(AddHistoryCommand);

}  // namespace
}  // namespace absence::cli
