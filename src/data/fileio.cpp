// POSIX file operations behind the data set's save and load.
#include "data/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace absence {
namespace {

class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return fd_; }
  // Gives the descriptor up to the caller, who closes it.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes and reports the result (close can report a failed write-back).
  int Close() {
    const int r = ::close(fd_);
    fd_ = -1;
    return r;
  }

 private:
  int fd_;
};

[[noreturn]] void Fail(const std::string& path) {
  throw EDataFileError(SystemErrorText(path, errno));
}

void WriteAll(int fd, std::span<const uint8_t> bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(path);
    }
    done += static_cast<std::size_t>(n);
  }
}

// New files get the permissions the user's umask leaves; a replaced file keeps its own.
constexpr mode_t kNewFileMode = 0666;

void RealWriteFileSynced(const std::string& path, std::span<const uint8_t> bytes) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
  if (fd.get() < 0) Fail(path);
  WriteAll(fd.get(), bytes, path);
  if (::fsync(fd.get()) != 0) Fail(path);
  if (fd.Close() != 0) Fail(path);
}

void RealAppendSynced(const std::string& path, std::span<const uint8_t> bytes) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, kNewFileMode));
  if (fd.get() < 0) Fail(path);
  WriteAll(fd.get(), bytes, path);
  if (::fsync(fd.get()) != 0) Fail(path);
  if (fd.Close() != 0) Fail(path);
}

void RealWriteFileFrom(const std::string& path, const TByteSource& source) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
  if (fd.get() < 0) Fail(path);
  // Small pieces (an export's lines) are gathered into blocks, so each is not a system call.
  constexpr std::size_t kBlock = 1 << 16;
  std::vector<uint8_t> block;
  block.reserve(kBlock);
  source([&](std::span<const uint8_t> piece) {
    if (block.size() + piece.size() > kBlock) {
      WriteAll(fd.get(), block, path);
      block.clear();
    }
    if (piece.size() >= kBlock)
      WriteAll(fd.get(), piece, path);
    else
      block.insert(block.end(), piece.begin(), piece.end());
  });
  WriteAll(fd.get(), block, path);
  if (::fsync(fd.get()) != 0) Fail(path);
  if (fd.Close() != 0) Fail(path);
}

void RealRename(const std::string& from, const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) Fail(to);
}

void RealRemove(const std::string& path) {
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) Fail(path);
}

void RealSyncFolder(const std::string& folder) {
  TFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) Fail(folder);
  // Some file systems cannot sync a folder; the renames are still atomic there.
  if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS) Fail(folder);
}

void RealCopyAttributes(const std::string& from, const std::string& to) {
  struct stat st {};
  if (::stat(from.c_str(), &st) != 0) {
    if (errno == ENOENT) return;  // a new file: nothing to keep
    Fail(from);
  }
  // Owner and group first (changing them can clear the mode's special bits). Only the owner's
  // own group, or root, may be given; otherwise the file stays the saver's, as any copy would.
  if (::chown(to.c_str(), st.st_uid, st.st_gid) != 0) {
    if (errno != EPERM) Fail(to);
    if (::chown(to.c_str(), static_cast<uid_t>(-1), st.st_gid) != 0 && errno != EPERM) Fail(to);
  }
  if (::chmod(to.c_str(), st.st_mode & 07777) != 0) Fail(to);
}

void RealKeepCopy(const std::string& from, const std::string& to) {
  RealRemove(to);
  if (::link(from.c_str(), to.c_str()) == 0) return;
  if (errno == ENOENT) return;  // nothing to keep
  RealWriteFileSynced(to, ReadWholeFile(from));
}

}  // namespace

std::string SystemErrorText(const std::string& path, int err) {
  return path + ": " + std::strerror(err);
}

TFileOps TFileOps::Real() {
  return TFileOps{RealWriteFileSynced, RealRename,        RealRemove,         RealKeepCopy,
                  RealSyncFolder,      RealWriteFileFrom, RealCopyAttributes, RealAppendSynced};
}

const std::string& ProcessTag() {
  static const std::string tag = [] {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0) host[0] = '\0';
    std::string safe;
    for (const char* c = host; *c && safe.size() < 32; ++c)
      safe += (std::isalnum(static_cast<unsigned char>(*c)) || *c == '-') ? *c : '_';
    return (safe.empty() ? std::string("host") : safe) + "-" + std::to_string(::getpid());
  }();
  return tag;
}

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return "";
  return path.substr(0, slash + 1);
}

[[noreturn]] void NotRegular(const std::string& path) {
  throw EDataFileError(path +
                       ": not a regular file; a device, a pipe or a folder cannot be read or "
                       "replaced as an Absence file");
}

}  // namespace

std::string ReplaceTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
      if (errno == ENOENT) return target;
      Fail(target);
    }
    if (S_ISREG(st.st_mode)) return target;
    if (!S_ISLNK(st.st_mode)) NotRegular(target);
    if (hops >= 40) throw EDataFileError(SystemErrorText(path, ELOOP));
    std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1);
    const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
    if (n < 0) Fail(target);
    const std::string to(link.data(), static_cast<std::size_t>(n));
    target = !to.empty() && to.front() == '/' ? to : FolderOf(target) + to;
  }
}

void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                 const std::string& tempSuffix, const TFileOps& ops) {
  const std::string target = ReplaceTarget(path);
  const std::string temp = target + tempSuffix + "." + ProcessTag();
  try {
    ops.WriteFileSynced(temp, bytes);
    if (ops.CopyAttributes) ops.CopyAttributes(target, temp);
    ops.Rename(temp, target);
  } catch (const EDataFileError&) {
    try {
      ops.Remove(temp);
    } catch (const EDataFileError&) {
      // The half-written temporary file is not the target; the error that counts is above.
    }
    throw;
  }
}

void ReplaceFileFrom(const std::string& path, const TByteSource& source,
                     const std::string& tempSuffix, const TFileOps& ops) {
  const std::string target = ReplaceTarget(path);
  const std::string temp = target + tempSuffix + "." + ProcessTag();
  try {
    if (ops.WriteFileFrom) {
      ops.WriteFileFrom(temp, source);
    } else {
      TBytes all;
      source([&](std::span<const uint8_t> piece) {
        all.insert(all.end(), piece.begin(), piece.end());
      });
      ops.WriteFileSynced(temp, all);
    }
    if (ops.CopyAttributes) ops.CopyAttributes(target, temp);
    ops.Rename(temp, target);
  } catch (const std::exception&) {
    // A failing source leaves a half-written temporary file as much as a failing write does.
    try {
      ops.Remove(temp);
    } catch (const EDataFileError&) {
      // The temporary file is not the target; the error that counts is the one rethrown.
    }
    throw;
  }
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool FileIsThere(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return true;
  if (errno == ENOENT) return false;
  throw EDataFileError(path + " cannot be read: " + std::strerror(errno));
}

int OpenRegularForReading(const std::string& path, uint64_t maxSize, uint64_t* size) {
  // Without blocking: opening a pipe for reading would wait for a writer.
  TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.get() < 0) {
    if (errno == EACCES) throw EDataFileError(path + " cannot be read: " + std::strerror(errno));
    Fail(path);
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) Fail(path);
  if (!S_ISREG(st.st_mode)) NotRegular(path);
  const uint64_t bytes = st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0;
  if (bytes > maxSize)
    throw EDataFileError(path + ": the file is too large to be an Absence file (" +
                         std::to_string(bytes) + " bytes, at most " + std::to_string(maxSize) +
                         " are read)");
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  if (size) *size = bytes;
  return fd.Release();
}

void ReadFileInPieces(const std::string& path, std::size_t pieceSize,
                      const std::function<void(uint64_t size)>& opened, const TByteSink& sink,
                      uint64_t maxSize) {
  uint64_t size = 0;
  TFd fd(OpenRegularForReading(path, maxSize, &size));
  opened(size);
  // The file may grow while it is read; the bound holds all the same.
  uint64_t total = 0;
  TBytes piece(pieceSize);
  for (;;) {
    std::size_t filled = 0;
    while (filled < piece.size()) {
      const ssize_t n = ::read(fd.get(), piece.data() + filled, piece.size() - filled);
      if (n < 0) {
        if (errno == EINTR) continue;
        Fail(path);
      }
      if (n == 0) break;
      filled += static_cast<std::size_t>(n);
    }
    total += filled;
    if (total > maxSize)
      throw EDataFileError(path + ": the file grew beyond " + std::to_string(maxSize) +
                           " bytes while it was read");
    if (filled > 0) sink(std::span<const uint8_t>(piece).first(filled));
    if (filled < piece.size()) return;
  }
}

TBytes ReadWholeFile(const std::string& path, uint64_t maxSize) {
  TBytes bytes;
  ReadFileInPieces(
      path, 1 << 16, [&](uint64_t size) { bytes.reserve(static_cast<std::size_t>(size)); },
      [&](std::span<const uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
      },
      maxSize);
  return bytes;
}

TBytes ReadOrCreateFile(const std::string& path) {
  if (!FileIsThere(path)) {
    TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode));
    if (fd.get() < 0) Fail(path);
    return {};
  }
  return ReadWholeFile(path);
}

}  // namespace absence
