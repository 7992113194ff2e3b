// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's only access to files. Plain POSIX underneath, so the domain
// code that stores lists, rates and the tax setting needs no toolkit.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/file_faults.h"

namespace tallyfox {

// Every mode that may write refuses a symbolic link, dangling or not: a data
// file is changed in its folder and nowhere else.
enum class OpenMode {
  Read,
  ReadUpdate,    // read and write, fails if missing
  CreateNew,     // write, fails if anything has the name
  OpenOrCreate,  // write, created if missing, contents kept
};

// An open regular file; closed when destroyed if Close() was not called.
class File {
 public:
  // Fails for anything but a regular file, so a folder or pipe at a data
  // file's path can neither hang nor confuse the program.
  static std::optional<File> Open(const std::filesystem::path& path, OpenMode mode);

  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  ~File();

  // Fills `buffer` but for the end of the file: the count read, 0 at the end.
  std::optional<std::size_t> Read(std::span<std::byte> buffer);
  // The same from `offset`, leaving the position where Read() goes on.
  std::optional<std::size_t> ReadAt(std::uint64_t offset, std::span<std::byte> buffer);
  std::optional<std::uint64_t> Size() const;
  // Writes all of `bytes` or fails.
  bool Write(std::span<const std::byte> bytes);
  // Writes the code units as UTF-16LE.
  bool WriteText(std::u16string_view text);
  // Writes at the end of the file and onto the disk; on any failure cuts the
  // file back to the length it had, so a full disk leaves no part behind.
  bool Append(std::span<const std::byte> bytes);
  // The permission bits, as chmod takes them.
  bool SetPermissions(unsigned mode);
  // Waits until what was written is on the disk.
  bool Flush();
  // Reports what the system says about closing; the file is closed either way.
  bool Close();

  const std::filesystem::path& path() const { return path_; }

 private:
  File(int descriptor, std::filesystem::path path);
  void CloseQuietly();

  int descriptor_;
  std::filesystem::path path_;
};

std::vector<std::byte> EncodeUtf16Le(std::u16string_view text);

// The file's first `maxBytes` bytes, or all of a shorter file.
std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path,
                                                    std::size_t maxBytes);

enum class Replaced {
  Yes,
  NoScratchFile,      // the scratch file could not be made
  No,                 // and the scratch file is gone again
  NoScratchLeftOver,  // and the scratch file could not be removed
};

// Gives `target` the contents `bytes` in one step, so that after a crash or
// a power cut it holds either its old or its new contents, whole. The bytes go
// to a scratch file of a name no data file has, with the old file's permission
// bits, and onto the disk before it takes the target's name. Refuses a target
// that is there but is no regular file (a link is never written through).
Replaced ReplaceFile(const std::filesystem::path& target, std::span<const std::byte> bytes);
// The code units as UTF-16LE.
Replaced ReplaceFileText(const std::filesystem::path& target, std::u16string_view text);

// Removes the scratch files that an interrupted ReplaceFile left in `folder`.
void RemoveLeftoverScratchFiles(const std::filesystem::path& folder);

// Removes the file, and makes its going survive a power cut.
bool RemoveFile(const std::filesystem::path& path);

// Makes the creation, renaming or removal of a file in `folder` survive a
// power cut. Best effort: some file systems cannot sync a folder, and the
// change has already taken effect for readers.
void SyncFolder(const std::filesystem::path& folder);

// True when anything, file or folder, has this path.
bool FileExists(const std::filesystem::path& path);

// The names (not paths) of the regular files in `folder` that end in `suffix`,
// in the order the system lists them. Names that are not valid UTF-8 are left
// out: no path built from the text would find them again.
std::vector<std::u16string> ListFilesWithSuffix(const std::filesystem::path& folder,
                                                std::u16string_view suffix);

// An advisory lock on a folder, held by one process at a time and released
// by the kernel when the process ends, so a crash leaves no stale lock. It
// is taken on the folder itself, opened as a directory: it creates no file
// and works on a read-only folder too.
class FolderLock {
 public:
  enum class Outcome { Taken, HeldElsewhere, Unavailable };
  static Outcome Take(const std::filesystem::path& folder, std::optional<FolderLock>& lock);

  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&&) = delete;
  ~FolderLock();

 private:
  explicit FolderLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_;
};

// `folder` / `fileName`, or nothing when `fileName` is not a plain file name
// (empty, "." or "..", or holding '/', a zero or an unpaired surrogate).
std::optional<std::filesystem::path> PathInFolder(const std::filesystem::path& folder,
                                                  std::u16string_view fileName);

}  // namespace tallyfox
