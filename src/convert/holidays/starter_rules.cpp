// The ready-made rule sets, from the public holiday calendars of each place. Days that a
// government moves or adds for one year only (a jubilee, a moved bank holiday) are no rules:
// the user adds those by hand.
#include "convert/holidays/holiday_rules.h"

namespace absence {

const std::vector<TStarterRules>& StarterRuleSets() {
  static const std::vector<TStarterRules> sets = {
      {"United States (federal)",
       "New Year's Day: 01/01 observed\n"
       "Birthday of Martin Luther King, Jr.: 3rd Monday of January\n"
       "Washington's Birthday: 3rd Monday of February\n"
       "Memorial Day: last Monday of May\n"
       "Juneteenth National Independence Day: 06/19 observed\n"
       "Independence Day: 07/04 observed\n"
       "Labor Day: 1st Monday of September\n"
       "Columbus Day: 2nd Monday of October\n"
       "Veterans Day: 11/11 observed\n"
       "Thanksgiving Day: 4th Thursday of November\n"
       "Christmas Day: 12/25 observed\n"},
      {"United Kingdom (England and Wales)",
       "New Year's Day: 01/01 substitute\n"
       "Good Friday: Easter -2\n"
       "Easter Monday: Easter +1\n"
       "Early May bank holiday: 1st Monday of May\n"
       "Spring bank holiday: last Monday of May\n"
       "Summer bank holiday: last Monday of August\n"
       "Christmas Day: 12/25 substitute\n"
       "Boxing Day: 12/26 substitute\n"},
      {"Germany (nationwide)",
       "New Year's Day (Neujahr): 01/01\n"
       "Good Friday (Karfreitag): Easter -2\n"
       "Easter Monday (Ostermontag): Easter +1\n"
       "Labour Day (Tag der Arbeit): 05/01\n"
       "Ascension Day (Christi Himmelfahrt): Easter +39\n"
       "Whit Monday (Pfingstmontag): Easter +50\n"
       "German Unity Day (Tag der Deutschen Einheit): 10/03\n"
       "Christmas Day (1. Weihnachtstag): 12/25\n"
       "Boxing Day (2. Weihnachtstag): 12/26\n"},
  };
  return sets;
}

const std::string& HolidayRulesHelp() {
  static const std::string help =
      "# Holiday rules: one holiday per line, written NAME: WHEN.\n"
      "#   WHEN is a fixed day as month/day (12/25), a weekday of a month\n"
      "#   (4th Thursday of November, last Monday of May) or Easter with days\n"
      "#   before or after it (Easter -2, Easter +1).\n"
      "#   \"observed\" after WHEN moves a Saturday holiday to Friday and a Sunday\n"
      "#   one to Monday; \"substitute\" moves a weekend holiday to the next weekday\n"
      "#   that is no other holiday.\n"
      "#   \", reason ID\" and \", hours H\" at the end give the holiday its own\n"
      "#   absence reason and hours; without them it takes the ones chosen when\n"
      "#   the holidays are added.\n"
      "# Lines starting with # are notes.\n";
  return help;
}

}  // namespace absence
