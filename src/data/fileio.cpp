// POSIX file operations behind the data set's save and load.
#include "data/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

void RealWriteFileSynced(const std::string& path, std::span<const uint8_t> bytes) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) Fail(path);
  WriteAll(fd.get(), bytes, path);
  if (::fsync(fd.get()) != 0) Fail(path);
  if (fd.Close() != 0) Fail(path);
}

void RealWriteFileFrom(const std::string& path, const TByteSource& source) {
  TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
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
  return TFileOps{RealWriteFileSynced, RealRename,     RealRemove,
                  RealKeepCopy,        RealSyncFolder, RealWriteFileFrom};
}

void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                 const std::string& tempSuffix, const TFileOps& ops) {
  const std::string temp = path + tempSuffix;
  try {
    ops.WriteFileSynced(temp, bytes);
    ops.Rename(temp, path);
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
  const std::string temp = path + tempSuffix;
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
    ops.Rename(temp, path);
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

void ReadFileInPieces(const std::string& path, std::size_t pieceSize,
                      const std::function<void(uint64_t size)>& opened, const TByteSink& sink) {
  TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) Fail(path);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) Fail(path);
  if (S_ISDIR(st.st_mode)) throw EDataFileError(SystemErrorText(path, EISDIR));
  opened(st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0);
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
    if (filled > 0) sink(std::span<const uint8_t>(piece).first(filled));
    if (filled < piece.size()) return;
  }
}

TBytes ReadWholeFile(const std::string& path) {
  TBytes bytes;
  ReadFileInPieces(
      path, 1 << 16, [&](uint64_t size) { bytes.reserve(static_cast<std::size_t>(size)); },
      [&](std::span<const uint8_t> piece) {
        bytes.insert(bytes.end(), piece.begin(), piece.end());
      });
  return bytes;
}

TBytes ReadOrCreateFile(const std::string& path) {
  if (!FileExists(path)) {
    TFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (fd.get() < 0) Fail(path);
    return {};
  }
  return ReadWholeFile(path);
}

}  // namespace absence
