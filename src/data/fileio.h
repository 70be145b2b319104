#pragma once
// The few file-system operations the data set needs, behind hooks so that tests can make a
// write or a rename fail, or "crash" between two steps.
#include <functional>
#include <string>

#include "data/datafiles.h"

namespace absence {

// Receives a file's contents piece by piece; throws EDataFileError when they cannot be written.
using TByteSink = std::function<void(std::span<const uint8_t> piece)>;
// Hands a file's contents, in order, to the sink it is given.
using TByteSource = std::function<void(const TByteSink& sink)>;

struct TFileOps {
  // Writes the whole file and flushes it to disk; throws EDataFileError on failure.
  std::function<void(const std::string& path, std::span<const uint8_t> bytes)> WriteFileSynced;
  // Atomically renames `from` over `to`; throws EDataFileError on failure.
  std::function<void(const std::string& from, const std::string& to)> Rename;
  // Removes a file if present; throws EDataFileError when it exists and cannot be removed.
  std::function<void(const std::string& path)> Remove;
  // Makes `to` a second name of `from` (a hard link, or a synced copy where links are not
  // possible), so the old contents survive a rename over `from`.
  std::function<void(const std::string& from, const std::string& to)> KeepCopy;
  // Flushes a folder's entries to disk (makes renames durable).
  std::function<void(const std::string& folder)> SyncFolder;
  // As WriteFileSynced for contents that `source` makes piece by piece, written as they come
  // and never held whole. When empty, the pieces are gathered and given to WriteFileSynced.
  std::function<void(const std::string& path, const TByteSource& source)> WriteFileFrom;
  // Gives the new file `to` the mode of the file `from` it is about to replace, and its owner
  // and group where the system permits; throws EDataFileError when the mode cannot be set.
  std::function<void(const std::string& from, const std::string& to)> CopyAttributes;
  // Appends to the file (created when missing) and flushes it to disk; throws EDataFileError.
  // When empty, the real append is used.
  std::function<void(const std::string& path, std::span<const uint8_t> bytes)> AppendSynced;

  static TFileOps Real();
};

// Files larger than these are not read: no Absence data file or backup comes near them, and
// reading one would take minutes and gigabytes.
inline constexpr uint64_t kMaxDataFileSize = uint64_t{1} << 30;
inline constexpr uint64_t kMaxBackupFileSize = uint64_t{2} << 30;
// reason.dat, globals.dat and dept.dat, which are read whole.
inline constexpr uint64_t kMaxSmallDataFileSize = uint64_t{64} << 20;

// Names this process among all that may write into one folder, possibly from several computers:
// host and process number, in characters safe in a file name.
const std::string& ProcessTag();

// The file that writing to `path` must replace: `path` itself, or the file its symbolic links
// lead to, so a link stays a link. Throws EDataFileError when that is something other than a
// regular file (a device, a pipe, a folder) or the links go round in a loop.
std::string ReplaceTarget(const std::string& path);

// Puts `bytes` in place of the file `path` (the file its links lead to, see ReplaceTarget):
// written to a temporary file of this process beside it, named with `tempSuffix`, flushed to
// disk, given the old file's mode and owner, then renamed over it, so it always holds either
// its old or its new contents in full. On failure the temporary file is removed and the
// EDataFileError rethrown.
void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                 const std::string& tempSuffix, const TFileOps& ops = TFileOps::Real());

// ReplaceFile for contents made piece by piece by `source`. Whatever fails, the source
// included (the exception it throws passes through), `path` keeps its old contents and the
// temporary file is removed.
void ReplaceFileFrom(const std::string& path, const TByteSource& source,
                     const std::string& tempSuffix, const TFileOps& ops = TFileOps::Real());

bool FileExists(const std::string& path);
// Whether `path` names something: false when it does not exist. Throws EDataFileError saying the
// file "cannot be read" when the system will not say (a folder the user may not search), so that
// such a file is never taken for a missing one.
bool FileIsThere(const std::string& path);
// Reads a whole file; a missing file is created empty first. Throws EDataFileError.
TBytes ReadOrCreateFile(const std::string& path);
// Reads a whole regular file that must exist and be at most `maxSize` bytes. Throws
// EDataFileError.
TBytes ReadWholeFile(const std::string& path, uint64_t maxSize = kMaxDataFileSize);
// Reads a file that must exist from its start in pieces of `pieceSize` bytes (only the last may
// be shorter), handing each to `sink` as it is read, so a large file is never held whole.
// `opened` gets the file's size first. Only regular files of at most `maxSize` bytes are read:
// a device or a pipe is refused at once instead of blocking or never ending. Throws
// EDataFileError.
void ReadFileInPieces(const std::string& path, std::size_t pieceSize,
                      const std::function<void(uint64_t size)>& opened, const TByteSink& sink,
                      uint64_t maxSize = kMaxDataFileSize);
// Opens a regular file of at most `maxSize` bytes for reading and returns its descriptor; throws
// EDataFileError as ReadFileInPieces. The caller closes it.
int OpenRegularForReading(const std::string& path, uint64_t maxSize, uint64_t* size = nullptr);
// "path: system message" for the current errno.
std::string SystemErrorText(const std::string& path, int err);

}  // namespace absence
