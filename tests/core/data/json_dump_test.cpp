// The JSON dump: always a valid document, numbers as they read, lists in memory order.
#include "data/json_dump.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>

#include "data_test_support.h"

namespace absence {
namespace {

using json = nlohmann::ordered_json;

// A data set of one reason, one employee with one balance and one own entry of `hours`.
TDataSet OneEntry(float hours, double entryDate = test::k2024Jan1) {
  TDataSet d;
  AddReason(d.ReasonList, "Vacation", true, false, TBasis::None, TValidate::None);
  AddEmp(d.EmpList, "Doe", "Jane", "", test::k2024Jan1 - 400, 0, 0, 'F');
  SetAccrual(d.EmpList[0]->Accruals, 1, hours, test::k2024Jan1);
  AddEntry(d.EmpList[0]->Entries, d.EmpList, d.ReasonList, 1, entryDate, hours, TEntryKind::Own);
  return d;
}

TEST(JsonDump, HoursAreWrittenAsTheirShortestTextAndNonFiniteAsNull) {
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const struct {
    float hours;
    const char* text;  // as it stands in the document
  } cases[] = {{8, "8"},
               {0.1f, "0.1"},
               {-2.5f, "-2.5"},
               {33.333332f, "33.333332"},
               {1e-5f, "1e-05"},
               {0, "0"},
               {std::numeric_limits<float>::quiet_NaN(), "null"},
               {kInf, "null"},
               {-kInf, "null"}};
  for (const auto& c : cases) {
    const std::string dump = DumpJson(OneEntry(c.hours));
    const json doc = json::parse(dump);  // throws on a document that is not valid JSON
    const json& emp = doc["employees"][0];
    EXPECT_EQ(emp["Entries"][0]["Hours"].dump(), c.text) << dump;
    EXPECT_EQ(emp["Accruals"][0]["Hours"].dump(), c.text) << dump;
    EXPECT_NE(dump.find(std::string("\"Hours\":") + c.text + ","), std::string::npos) << dump;
  }
}

TEST(JsonDump, DayNumbersAreWholeNumbersUnlessTheyHoldAFraction) {
  const struct {
    double date;
    const char* text;
  } cases[] = {{test::k2024Jan1, "45292"},
               {test::k2024Jan1 + 0.5, "45292.5"},
               {std::numeric_limits<double>::quiet_NaN(), "null"},
               {-std::numeric_limits<double>::infinity(), "null"}};
  for (const auto& c : cases) {
    TDataSet d = OneEntry(8);
    d.EmpList[0]->Entries[0]->EntryDate = c.date;
    d.EmpList[0]->TermDate = c.date;
    const json doc = json::parse(DumpJson(d));
    EXPECT_EQ(doc["employees"][0]["Entries"][0]["EntryDate"].dump(), c.text);
    EXPECT_EQ(doc["employees"][0]["TermDate"].dump(), c.text);
  }
}

TEST(JsonDump, TextIsEscapedAndBadBytesCannotBreakTheDocument) {
  const struct {
    std::string name;
    std::string read;  // the name as a JSON reader gets it back
  } cases[] = {{"O\"Brien\\", "O\"Brien\\"},
               {"Tab\there\r\n", "Tab\there\r\n"},
               {std::string("nul\0x", 5), std::string("nul\0x", 5)},
               {"M\xc3\xbcller", "M\xc3\xbcller"},
               {"bad \xff byte", "bad \xef\xbf\xbd byte"}};
  for (const auto& c : cases) {
    TDataSet d = OneEntry(8);
    d.EmpList[0]->LastName = c.name;
    const json doc = json::parse(DumpJson(d));
    EXPECT_EQ(doc["employees"][0]["LastName"].get<std::string>(), c.read);
  }
}

TEST(JsonDump, ListsAndFieldsKeepTheirOrder) {
  const TDataSet d = test::MakeSampleDataSet();
  const std::string dump = DumpJson(d);
  ASSERT_EQ(dump.back(), '\n');
  const json doc = json::parse(dump);
  std::vector<std::string> keys;
  for (const auto& [key, value] : doc.items()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<std::string>{"reasons", "employees", "globals", "departments"}));
  EXPECT_EQ(doc["employees"].size(), d.EmpList.size());
  for (std::size_t i = 0; i < d.EmpList.size(); ++i)
    EXPECT_EQ(doc["employees"][i]["EmpID"], d.EmpList[i]->EmpID);
  EXPECT_EQ(doc["globals"].size(), d.GlobalList.size());
  EXPECT_EQ(doc["departments"].size(), d.DeptList.size());
  EXPECT_LT(dump.find("\"EmpID\""), dump.find("\"LastName\""));
  EXPECT_LT(dump.find("\"LastName\""), dump.find("\"Entries\""));
}

}  // namespace
}  // namespace absence
