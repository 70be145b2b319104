#pragma once
// File operations for tests that make one step of a write fail, or "crash" the program there.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "data/fileio.h"

namespace absence::test {

// The names of the files in `folder`, sorted: what a failed write left behind.
inline std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Real operations, but the `failAt`-th call (counting every operation) fails or "crashes".
struct TFaultyOps {
  // Fail: the step fails before it acts; Crash: the program stops there (TCrash is thrown and
  // nothing is cleaned up); PartialWrite: a write puts half its bytes down, then fails as a
  // full disk would; FlushFail: a write puts all its bytes down, then flushing them to disk
  // fails (other steps fail as with Fail).
  enum class Mode { Fail, Crash, PartialWrite, FlushFail };
  struct TCrash {};
  int failAt;
  Mode mode;
  int calls = 0;

  TFileOps Make() {
    TFileOps real = TFileOps::Real();
    TFileOps ops;
    auto gate = [this](const std::string& what) {
      if (++calls != failAt) return;
      if (mode == Mode::Crash) throw TCrash{};
      throw EDataFileError(what + ": injected failure");
    };
    ops.WriteFileSynced = [=, this](const std::string& p, std::span<const uint8_t> b) {
      if (mode == Mode::PartialWrite && calls + 1 == failAt) {
        ++calls;
        real.WriteFileSynced(p, b.first(b.size() / 2));
        throw EDataFileError(SystemErrorText(p, ENOSPC));
      }
      if (mode == Mode::FlushFail && calls + 1 == failAt) {
        ++calls;
        real.WriteFileSynced(p, b);
        throw EDataFileError(SystemErrorText(p, EIO));
      }
      gate(p);
      real.WriteFileSynced(p, b);
    };
    ops.AppendSynced = [=, this](const std::string& p, std::span<const uint8_t> b) {
      if (mode == Mode::PartialWrite && calls + 1 == failAt) {
        ++calls;
        real.AppendSynced(p, b.first(b.size() / 2));
        throw EDataFileError(SystemErrorText(p, ENOSPC));
      }
      if (mode == Mode::FlushFail && calls + 1 == failAt) {
        ++calls;
        real.AppendSynced(p, b);
        throw EDataFileError(SystemErrorText(p, EIO));
      }
      gate(p);
      real.AppendSynced(p, b);
    };
    ops.Rename = [=](const std::string& a, const std::string& b) {
      gate(b);
      real.Rename(a, b);
    };
    ops.Remove = [=](const std::string& p) {
      gate(p);
      real.Remove(p);
    };
    ops.KeepCopy = [=](const std::string& a, const std::string& b) {
      gate(b);
      real.KeepCopy(a, b);
    };
    ops.SyncFolder = [=](const std::string& f) {
      gate(f);
      real.SyncFolder(f);
    };
    return ops;
  }
};

// Runs `write` once per step of the file operations it makes, that step failing in each mode,
// after `reset` put the old contents back; `check(mode, step)` then tests what is left.
// Returns the number of steps.
template <class Reset, class Write, class Check>
int ForEachFaultyStep(Reset reset, Write write, Check check) {
  TFaultyOps counter{-1, TFaultyOps::Mode::Fail};
  reset();
  write(counter.Make());
  const int steps = counter.calls;
  for (const auto mode : {TFaultyOps::Mode::Fail, TFaultyOps::Mode::PartialWrite,
                          TFaultyOps::Mode::FlushFail, TFaultyOps::Mode::Crash})
    for (int k = 1; k <= steps; ++k) {
      reset();
      TFaultyOps faulty{k, mode};
      check(mode, k, [&] { write(faulty.Make()); });
    }
  return steps;
}

}  // namespace absence::test
