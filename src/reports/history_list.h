#pragma once
// The change history as a person reads it: a record's time and its values in words, the
// printout and the CSV file of the changes a window or a script chose.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "data/journal.h"
#include "reports/list_printouts.h"

namespace absence::reports {

// When the change was saved, in local time: the date in `datePattern`, then "HH:MM".
std::string HistoryWhen(int64_t ms, const std::string& datePattern);
// One value: "What: before → after"; a side the value did not have reads "(none)".
std::string HistoryValueText(const TJournalValue& value);
// The values of a record joined by "; ", at most `limit` of them and then "and N more".
std::string HistoryValuesText(const TJournalRecord& record, std::size_t limit);

// "Change History": the records at `shown` (positions in `journal.Records`), in that order,
// each with its time, user and what it did, then one line per value. `subtitle` says what the
// list was filtered by; empty for none.
TDocument PrintHistoryList(const TPrintoutSetup& setup, const TJournal& journal,
                           const std::vector<std::size_t>& shown, const std::string& subtitle);

// RFC 4180 with CRLF line ends, UTF-8: a heading line, then one line per value of each record
// at `shown` (a record without values gives one line with the value columns empty). Times are
// ISO 8601 in UTC, as the journal keeps them, so a spreadsheet sorts them.
void WriteHistoryCsv(std::ostream& out, const TJournal& journal,
                     const std::vector<std::size_t>& shown);
// The CSV in place of `path` (replaced whole); throws EDataFileError.
void WriteHistoryCsvFile(const std::string& path, const TJournal& journal,
                         const std::vector<std::size_t>& shown);

}  // namespace absence::reports
