#pragma once
// One writer per data folder: the program that may change a folder's data holds `absence.lock`
// in it (who, where, which process, since when) and, where the file system has one, an
// operating-system lock on that file for as long as it has the folder open. Programs that only
// read take no lock and never write into the folder.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace absence {

inline constexpr const char* kLockFile = "absence.lock";

// What a lock file says about its holder.
struct TLockHolder {
  std::string User;
  std::string Host;
  long Pid = 0;
  std::string Program;
  int64_t Started = 0;  // seconds since 1970, UTC

  // "USER on HOST (PROGRAM, process PID, since YYYY-MM-DD HH:MM UTC)"
  std::string Describe() const;
};

// The lock file's text for `h`, and the holder a text names (nothing when it names none).
std::string LockFileText(const TLockHolder& h);
std::optional<TLockHolder> ParseLockFile(const std::string& text);

enum class TLockOutcome {
  Taken,        // this program holds the folder now
  Busy,         // another program holds it
  Stale,        // a lock from another computer, older than a day: the user must clear it
  NotWritable,  // the folder cannot take a lock file (read-only): nobody can save into it
};

struct TLockResult {
  TLockOutcome Outcome = TLockOutcome::Busy;
  std::optional<TLockHolder> Holder;  // Busy, Stale, and NotWritable when a lock file names one
  // Busy, Stale, NotWritable: the sentence for the user. Taken: a note when a lock left by a
  // process that is gone was taken over, else empty.
  std::string Message;
};

// The parts of the outside world a lock depends on, replaceable in tests.
struct TLockEnvironment {
  std::function<std::string()> HostName;
  std::function<std::string()> UserName;
  // Whether a process of this computer with this number runs.
  std::function<bool(long pid)> ProcessRuns;
  std::function<int64_t()> Now;
  // Puts the holder's text into the open lock file; throws EDataFileError (a full disk).
  std::function<void(int fd, const std::string& path, const std::string& text)> WriteInfo;

  static TLockEnvironment Real();
};

class TFolderLock {
 public:
  // `program` names the holder for others ("absence", "absence-cli import").
  TFolderLock(std::string folder, std::string program,
              TLockEnvironment env = TLockEnvironment::Real());
  ~TFolderLock();
  TFolderLock(const TFolderLock&) = delete;
  TFolderLock& operator=(const TFolderLock&) = delete;

  // Takes the folder when free or left by a process of this computer that is gone; never waits.
  // Throws EDataFileError when the lock file cannot be written.
  TLockResult Acquire();
  // Gives the folder up (removes the lock file). Also done by the destructor.
  void Release();
  bool Held() const { return fd_ >= 0; }
  const std::string& Path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  std::string program_;
  TLockEnvironment env_;
  int fd_ = -1;
};

}  // namespace absence
