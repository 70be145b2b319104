// Reading a page list.
#include "reports/page_list.h"

#include <algorithm>
#include <charconv>

namespace absence::reports {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

[[noreturn]] void Fail(TPageListFault fault, std::string_view item, int pageCount) {
  std::string message;
  switch (fault) {
    case TPageListFault::Empty:
      message = "No page is named; enter pages such as 1,3-4.";
      break;
    case TPageListFault::Unreadable:
      message = "\"";
      message += item;
      message += "\" is neither a page nor a range of pages such as 3-4.";
      break;
    case TPageListFault::NoSuchPage:
      message = "There is no page ";
      message += item;
      message += "; the pages are 1 to ";
      message += std::to_string(pageCount);
      message += '.';
      break;
    case TPageListFault::Backwards:
      message = "The range ";
      message += item;
      message += " ends before it begins.";
      break;
  }
  throw EPageListError(fault, std::string(item), message);
}

// A page number of the item `item`; `part` empty gives `missing` (an open end of a range).
int PageNumber(std::string_view part, std::string_view item, int missing, int pageCount) {
  part = Trim(part);
  if (part.empty()) {
    if (missing > 0) return missing;
    Fail(TPageListFault::Unreadable, item, pageCount);
  }
  long long value = 0;
  const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
  if (end != part.data() + part.size()) Fail(TPageListFault::Unreadable, item, pageCount);
  // Digits too many for a number name a page that does not exist either.
  if (error == std::errc::result_out_of_range || value < 1 || value > pageCount)
    Fail(TPageListFault::NoSuchPage, part, pageCount);
  return static_cast<int>(value);
}

}  // namespace

std::vector<int> ParsePageList(std::string_view text, int pageCount) {
  std::vector<bool> chosen(static_cast<std::size_t>(std::max(pageCount, 0)) + 1, false);
  bool any = false;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = Trim(text.substr(0, comma));
    if (!item.empty()) {
      int first = 0;
      int last = 0;
      const std::size_t dash = item.find('-');
      if (dash == std::string_view::npos) {
        first = last = PageNumber(item, item, 0, pageCount);
      } else {
        const std::string_view to = item.substr(dash + 1);
        if (Trim(item.substr(0, dash)).empty() && Trim(to).empty())
          Fail(TPageListFault::Unreadable, item, pageCount);
        first = PageNumber(item.substr(0, dash), item, 1, pageCount);
        last = PageNumber(to, item, pageCount, pageCount);
        if (last < first) Fail(TPageListFault::Backwards, item, pageCount);
      }
      for (int p = first; p <= last; ++p) chosen[static_cast<std::size_t>(p)] = true;
      any = true;
    }
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (!any) Fail(TPageListFault::Empty, {}, pageCount);
  std::vector<int> pages;
  for (int p = 1; p <= pageCount; ++p)
    if (chosen[static_cast<std::size_t>(p)]) pages.push_back(p);
  return pages;
}

}  // namespace absence::reports
