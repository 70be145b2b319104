// The window test program: `absence_ui_tests SUITE [QtTest options]` runs one suite.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "suites.h"

namespace absence::ui::test {
namespace {

std::map<std::string, TSuiteRun>& Suites() {
  static std::map<std::string, TSuiteRun> suites;
  return suites;
}

}  // namespace

bool RegisterSuite(const char* name, TSuiteRun run) {
  return Suites().emplace(name, run).second;
}

}  // namespace absence::ui::test

int main(int argc, char** argv) {
  using absence::ui::test::Suites;
  const auto suite = argc > 1 ? Suites().find(argv[1]) : Suites().end();
  if (suite == Suites().end()) {
    std::fprintf(stderr, "usage: %s SUITE [QtTest options]\nsuites:", argv[0]);
    for (const auto& [name, run] : Suites()) std::fprintf(stderr, " %s", name.c_str());
    std::fprintf(stderr, "\n");
    return 2;
  }
  // QtTest sees the program name followed by its own options, as in a program of one suite.
  std::vector<char*> args{argv[0]};
  args.insert(args.end(), argv + 2, argv + argc);
  int count = static_cast<int>(args.size());
  args.push_back(nullptr);
  QApplication app(count, args.data());
  app.setAttribute(Qt::AA_Use96Dpi, true);
  return suite->second(count, args.data());
}
