// The data folder's lock file, with flock where the file system supports it.
//
// Taking the lock: open (or create) absence.lock, lock it without waiting, check that the name
// still leads to the file locked (a releasing holder removes it), then judge what the file says
// about an earlier holder and write ourselves into it. Without an operating-system lock (some
// network file systems) the file's text alone decides.
#include "data/folder_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sstream>

#include "data/dataset.h"
#include "data/fileio.h"

namespace absence {
namespace {

constexpr int64_t kOneDay = 24 * 60 * 60;

std::string FormatTime(int64_t t) {
  const std::time_t tt = static_cast<std::time_t>(t);
  std::tm tm{};
  gmtime_r(&tt, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M UTC", &tm);
  return text;
}

std::string ReadAll(int fd) {
  std::string text;
  char buf[1024];
  off_t at = 0;
  for (;;) {
    const ssize_t n = ::pread(fd, buf, sizeof buf, at);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
    at += n;
    if (text.size() > 64 * 1024) break;  // no holder's text is that long
  }
  return text;
}

void RealWriteInfo(int fd, const std::string& path, const std::string& text) {
  if (::ftruncate(fd, 0) != 0) throw EDataFileError(SystemErrorText(path, errno));
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n =
        ::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EDataFileError(SystemErrorText(path, errno));
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 && errno != EINVAL) throw EDataFileError(SystemErrorText(path, errno));
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::string TLockHolder::Describe() const {
  std::string text = (User.empty() ? std::string("someone") : User) + " on " +
                     (Host.empty() ? std::string("an unknown computer") : Host) + " (";
  if (!Program.empty()) text += Program + ", ";
  text += "process " + std::to_string(Pid);
  if (Started > 0) text += ", since " + FormatTime(Started);
  return text + ")";
}

std::string LockFileText(const TLockHolder& h) {
  std::ostringstream out;
  out << "user=" << h.User << '\n'
      << "host=" << h.Host << '\n'
      << "pid=" << h.Pid << '\n'
      << "program=" << h.Program << '\n'
      << "started=" << h.Started << '\n';
  return out.str();
}

std::optional<TLockHolder> ParseLockFile(const std::string& text) {
  TLockHolder h;
  bool any = false;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    try {
      if (key == "user") h.User = value;
      if (key == "host") h.Host = value;
      if (key == "program") h.Program = value;
      if (key == "pid") h.Pid = std::stol(value);
      if (key == "started") h.Started = std::stoll(value);
    } catch (const std::exception&) {
      continue;  // a damaged number: the rest still names the holder
    }
    any = any || key == "host" || key == "pid";
  }
  if (!any) return std::nullopt;
  return h;
}

TLockEnvironment TLockEnvironment::Real() {
  TLockEnvironment env;
  env.HostName = [] {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) return std::string();
    return std::string(host);
  };
  env.UserName = [] {
    if (const passwd* pw = ::getpwuid(::geteuid())) return std::string(pw->pw_name);
    return std::to_string(::geteuid());
  };
  env.ProcessRuns = [](long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
  };
  env.Now = [] { return static_cast<int64_t>(std::time(nullptr)); };
  env.WriteInfo = RealWriteInfo;
  return env;
}

TFolderLock::TFolderLock(std::string folder, std::string program, TLockEnvironment env)
    : folder_(std::move(folder)),
      path_(DataPath(folder_, kLockFile)),
      program_(std::move(program)),
      env_(std::move(env)) {}

TFolderLock::~TFolderLock() {
  Release();
}

TLockResult TFolderLock::Acquire() {
  if (fd_ >= 0) return {TLockOutcome::Taken, std::nullopt, ""};
  const std::string host = env_.HostName();
  const auto busy = [&](const std::optional<TLockHolder>& holder) {
    return TLockResult{TLockOutcome::Busy, holder,
                       "The Absence data in " + folder_ + " is in use by " +
                           (holder ? holder->Describe() : std::string("another program")) + "."};
  };
  // A few rounds: the holder may remove the file between our open and our lock.
  for (int round = 0; round < 5; ++round) {
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
      const int err = errno;
      if (err == EROFS || err == EACCES || err == EPERM) {
        TLockResult r{TLockOutcome::NotWritable, std::nullopt, SystemErrorText(folder_, err)};
        const int ro = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (ro >= 0) {
          r.Holder = ParseLockFile(ReadAll(ro));
          ::close(ro);
        }
        return r;
      }
      if (err == ELOOP)
        throw EDataFileError(path_ + ": a symbolic link cannot be the folder's lock file");
      throw EDataFileError(SystemErrorText(path_, err));
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
      ::close(fd);
      throw EDataFileError(path_ + ": not a regular file; it cannot be the folder's lock file");
    }
    bool osLock = true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int err = errno;
      if (err == EWOULDBLOCK) {
        const auto holder = ParseLockFile(ReadAll(fd));
        ::close(fd);
        return busy(holder);
      }
      if (err != ENOLCK && err != EOPNOTSUPP && err != ENOSYS) {
        ::close(fd);
        throw EDataFileError(SystemErrorText(path_, err));
      }
      osLock = false;  // the file system has no locks: the file's text decides alone
    }
    struct stat named {};
    if (::stat(path_.c_str(), &named) != 0 || !SameFile(opened, named)) {
      ::close(fd);  // removed or replaced by its holder meanwhile: try the new one
      continue;
    }
    TLockResult result{TLockOutcome::Taken, std::nullopt, ""};
    if (const auto before = ParseLockFile(ReadAll(fd))) {
      const bool here = before->Host == host;
      if (here && !osLock && env_.ProcessRuns(before->Pid)) {
        ::close(fd);
        return busy(before);
      }
      if (!here) {
        // Another computer's lock may not reach us through the file system: only its age tells
        // that it was left behind, and only the user can know for sure.
        ::close(fd);
        if (env_.Now() - before->Started < kOneDay) return busy(before);
        return {TLockOutcome::Stale, before,
                "The Absence data in " + folder_ + " was marked in use by " + before->Describe() +
                    " more than a day ago. If the program no longer runs there, remove the "
                    "file " +
                    path_ + " and start again."};
      }
      if (!env_.ProcessRuns(before->Pid) || osLock)
        result.Message =
            "The lock of " + before->Describe() + ", which is no longer running, was taken over.";
    }
    TLockHolder me{env_.UserName(), host, static_cast<long>(::getpid()), program_, env_.Now()};
    try {
      env_.WriteInfo(fd, path_, LockFileText(me));
    } catch (const EDataFileError&) {
      // Nobody holds the folder: our empty or partial text must not name us.
      ::unlink(path_.c_str());
      ::close(fd);
      throw;
    }
    fd_ = fd;
    return result;
  }
  return busy(std::nullopt);
}

void TFolderLock::Release() {
  if (fd_ < 0) return;
  // Removed only while it is still ours, and before the lock goes with the descriptor, so the
  // next holder never finds our text.
  struct stat mine {
  }, named{};
  if (::fstat(fd_, &mine) == 0 && ::stat(path_.c_str(), &named) == 0 && SameFile(mine, named))
    ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace absence
