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

  static TFileOps Real();
};

// Puts `bytes` in place of the file `path`: written to `path` + `tempSuffix` beside it, flushed
// to disk, then renamed over `path`, so `path` always holds either its old or its new contents
// in full. On failure the temporary file is removed and the EDataFileError rethrown.
void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes,
                 const std::string& tempSuffix, const TFileOps& ops = TFileOps::Real());

// ReplaceFile for contents made piece by piece by `source`. Whatever fails, the source
// included (the exception it throws passes through), `path` keeps its old contents and the
// temporary file is removed.
void ReplaceFileFrom(const std::string& path, const TByteSource& source,
                     const std::string& tempSuffix, const TFileOps& ops = TFileOps::Real());

bool FileExists(const std::string& path);
// Reads a whole file; a missing file is created empty first. Throws EDataFileError.
TBytes ReadOrCreateFile(const std::string& path);
// Reads a whole file that must exist. Throws EDataFileError.
TBytes ReadWholeFile(const std::string& path);
// Reads a file that must exist from its start in pieces of `pieceSize` bytes (only the last may
// be shorter), handing each to `sink` as it is read, so a large file is never held whole.
// `opened` gets the file's size first. Throws EDataFileError.
void ReadFileInPieces(const std::string& path, std::size_t pieceSize,
                      const std::function<void(uint64_t size)>& opened, const TByteSink& sink);
// "path: system message" for the current errno.
std::string SystemErrorText(const std::string& path, int err);

}  // namespace absence
