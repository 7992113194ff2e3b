#pragma once

// The program's only access to files. Plain POSIX underneath, so the domain
// code that stores lists, rates and the tax setting needs no toolkit.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_faults.h"

namespace tallyfox {

enum class OpenMode {
  Read,
  ReadUpdate,      // read and write, fails if missing
  CreateTruncate,  // write, created or emptied
  CreateNew,       // write, fails if the file exists
  OpenOrCreate,    // write, created if missing, contents kept
  AppendExisting,  // write at the end, fails if missing
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
  // Writes all of `bytes` or fails.
  bool Write(std::span<const std::byte> bytes);
  // Writes the code units as UTF-16LE.
  bool WriteText(std::u16string_view text);
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

// The file's first `maxBytes` bytes, or all of a shorter file.
std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path,
                                                    std::size_t maxBytes);

// Puts `replacement` in the place of `target` in one step, so that after a
// crash `target` holds either its old or its new contents; `replacement` is
// gone afterwards. Both must be in the same folder.
bool ReplaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target);

bool RemoveFile(const std::filesystem::path& path);

// True when anything, file or folder, has this path.
bool FileExists(const std::filesystem::path& path);

// The names (not paths) of the regular files in `folder` that end in `suffix`,
// in the order the system lists them. Names that are not valid UTF-8 are left
// out: no path built from the text would find them again.
std::vector<std::u16string> ListFilesWithSuffix(const std::filesystem::path& folder,
                                                std::u16string_view suffix);

// `folder` / `fileName`, or nothing when `fileName` is not a plain file name
// (empty, "." or "..", or holding '/', a zero or an unpaired surrogate).
std::optional<std::filesystem::path> PathInFolder(const std::filesystem::path& folder,
                                                  std::u16string_view fileName);

}  // namespace tallyfox
