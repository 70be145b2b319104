// Page lists typed to print part of a report.
#include <gtest/gtest.h>

#include "reports/page_list.h"

namespace absence::reports {
namespace {

TEST(PageList, NamesEachListedPageOnceInPageOrder) {
  struct Row {
    const char* text;
    int pageCount;
    std::vector<int> pages;
  } rows[] = {
      {"1,3-4", 5, {1, 3, 4}},
      {"1-5", 5, {1, 2, 3, 4, 5}},
      {"4", 5, {4}},
      {"2-", 4, {2, 3, 4}},              // open end: to the last page
      {"-2", 4, {1, 2}},                 // open start: from the first page
      {"4,1", 5, {1, 4}},                // printed in page order
      {"2-4,3,3-5,2", 6, {2, 3, 4, 5}},  // overlaps printed once
      {" 1 , 3 - 4 ", 5, {1, 3, 4}},     // spaces around numbers
      {"1,,3,", 3, {1, 3}},              // empty items between commas
      {"3-3", 3, {3}},
  };
  for (const Row& r : rows) EXPECT_EQ(ParsePageList(r.text, r.pageCount), r.pages) << r.text;
}

TEST(PageList, RefusesTextItCannotReadAndSaysWhy) {
  struct Row {
    const char* text;
    int pageCount;
    TPageListFault fault;
    const char* item;
    const char* inMessage;
  } rows[] = {
      {"", 3, TPageListFault::Empty, "", "No page"},
      {" , ", 3, TPageListFault::Empty, "", "No page"},
      {"1,x", 3, TPageListFault::Unreadable, "x", "\"x\""},
      {"1;2", 3, TPageListFault::Unreadable, "1;2", "\"1;2\""},
      {"2.5", 3, TPageListFault::Unreadable, "2.5", "\"2.5\""},
      {"1-2-3", 3, TPageListFault::Unreadable, "1-2-3", "\"1-2-3\""},
      {"-", 3, TPageListFault::Unreadable, "-", "\"-\""},
      {"+2", 3, TPageListFault::Unreadable, "+2", "\"+2\""},
      {"one", 3, TPageListFault::Unreadable, "one", "\"one\""},
      {"0", 3, TPageListFault::NoSuchPage, "0", "no page 0; the pages are 1 to 3"},
      {"2-9", 3, TPageListFault::NoSuchPage, "9", "no page 9"},
      {"99999999999999999999", 3, TPageListFault::NoSuchPage, "99999999999999999999", "no page"},
      {"4-2", 5, TPageListFault::Backwards, "4-2", "4-2 ends before it begins"},
  };
  for (const Row& r : rows) {
    try {
      ParsePageList(r.text, r.pageCount);
      ADD_FAILURE() << "accepted: " << r.text;
    } catch (const EPageListError& e) {
      EXPECT_EQ(e.Fault(), r.fault) << r.text;
      EXPECT_EQ(e.Item(), r.item) << r.text;
      EXPECT_NE(std::string(e.what()).find(r.inMessage), std::string::npos)
          << r.text << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace absence::reports
