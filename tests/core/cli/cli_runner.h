#pragma once
// Runs the real absence-cli program and collects its standard output and exit status.
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace absence::test {

struct TCliRun {
  int Status;
  std::string Out;
};

// Runs a shell command line; its exit status (-1 when it did not exit) and standard output.
inline TCliRun RunShell(const std::string& command) {
  FILE* p = ::popen(command.c_str(), "r");
  std::string out;
  char buf[4096];
  std::size_t n;
  while (p && (n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int raw = p ? ::pclose(p) : -1;
  return {raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

// `withErrors`: the standard error is collected into Out as well. `seconds` > 0: a run that
// takes longer is killed (a hang), which gives the status 137.
inline TCliRun RunCli(const std::string& args, bool withErrors = false, int seconds = 0) {
  const std::string limit = seconds > 0 ? "timeout -s KILL " + std::to_string(seconds) + " " : "";
  return RunShell(limit + std::string(ABSENCE_CLI) + " " + args +
                  (withErrors ? " 2>&1" : " 2>/dev/null"));
}

}  // namespace absence::test
