#pragma once
// Page lists as a user types them to print part of a report: "1,3-4", "2-", "-3".
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace absence::reports {

// What is wrong with a page list; `Item` is the part of the text at fault (trimmed).
enum class TPageListFault {
  Empty,       // no page named at all
  Unreadable,  // not a page number or a range of two
  NoSuchPage,  // a page number below 1 or above the page count
  Backwards,   // a range whose first page comes after its last
};

class EPageListError : public std::runtime_error {
 public:
  EPageListError(TPageListFault fault, std::string item, const std::string& message)
      : std::runtime_error(message), fault_(fault), item_(std::move(item)) {}
  TPageListFault Fault() const { return fault_; }
  const std::string& Item() const { return item_; }

 private:
  TPageListFault fault_;
  std::string item_;
};

// The pages of a document of `pageCount` pages that `text` names: items separated by commas,
// each a page ("3"), a range ("3-5"), a range to the last page ("3-") or from the first ("-5"),
// spaces allowed around numbers. The result is ascending and names each page once, however
// often the text repeats it. Throws EPageListError for text it cannot read.
std::vector<int> ParsePageList(std::string_view text, int pageCount);

}  // namespace absence::reports
