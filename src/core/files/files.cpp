// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <utility>

#include "core/common/text.h"

namespace tallyfox {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

// Scratch files are hidden, and end in no suffix that a data file has.
constexpr std::string_view kScratchPrefix = ".tallyfox-scratch-";
constexpr int kScratchNameTries = 100;

int OpenFlags(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read:
      return O_RDONLY;
    case OpenMode::ReadUpdate:
      return O_RDWR | O_NOFOLLOW;
    case OpenMode::CreateNew:
      return O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW;
    case OpenMode::OpenOrCreate:
      return O_WRONLY | O_CREAT | O_NOFOLLOW;
  }
  return O_RDONLY;
}

bool IsRegularFile(int descriptor) {
  struct stat status;
  return fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

std::span<const std::byte> TextBytes(std::u16string_view text, std::vector<std::byte>& storage) {
  // A rewritten list is one text of hundreds of kilobytes: where the machine
  // holds code units as UTF-16LE already, they are written as they are.
  if (std::endian::native == std::endian::little) {
    return std::as_bytes(std::span(text.data(), text.size()));
  }
  storage = EncodeUtf16Le(text);
  return storage;
}

constexpr int kNoOldFile = -1;

// The permission bits the new contents take: the old file's, or kNoOldFile
// for those a new file gets. Nothing when the name holds anything but a
// regular file.
std::optional<int> ReplacementMode(const std::filesystem::path& target) {
  struct stat status;
  if (lstat(target.c_str(), &status) != 0) {
    return errno == ENOENT ? std::optional<int>(kNoOldFile) : std::nullopt;
  }
  if (!S_ISREG(status.st_mode)) return std::nullopt;
  return static_cast<int>(status.st_mode & 07777);
}

// A scratch file beside `target`, made by this call alone.
std::optional<File> CreateScratchFile(const std::filesystem::path& target,
                                      std::filesystem::path& scratch) {
  std::random_device random;
  for (int attempt = 0; attempt < kScratchNameTries; ++attempt) {
    scratch = target.parent_path() / (std::string(kScratchPrefix) + std::to_string(random()) + "-" +
                                      std::to_string(random()));
    errno = 0;
    std::optional<File> file = File::Open(scratch, OpenMode::CreateNew);
    if (file || errno != EEXIST) return file;
  }
  return std::nullopt;
}

bool IsLeftoverScratchName(std::string_view name) { return name.starts_with(kScratchPrefix); }

bool IsRegularEntry(DIR* folder, const dirent& entry) {
  if (entry.d_type == DT_REG) return true;
  if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
  struct stat status;
  return fstatat(dirfd(folder), entry.d_name, &status, 0) == 0 && S_ISREG(status.st_mode);
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace

std::vector<std::byte> EncodeUtf16Le(std::u16string_view text) {
  std::vector<std::byte> bytes;
  bytes.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::byte>(unit & 0xFF));
    bytes.push_back(static_cast<std::byte>(unit >> 8));
  }
  return bytes;
}

File::File(int descriptor, std::filesystem::path path)
    : descriptor_(descriptor), path_(std::move(path)) {}

File::File(File&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), path_(std::move(other.path_)) {}

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    CloseQuietly();
    descriptor_ = std::exchange(other.descriptor_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

File::~File() { CloseQuietly(); }

void File::CloseQuietly() {
  if (descriptor_ >= 0) close(std::exchange(descriptor_, -1));
}

std::optional<File> File::Open(const std::filesystem::path& path, OpenMode mode) {
  if (FileFaultInjected(FileOperation::Open, path)) return std::nullopt;
  // O_NONBLOCK keeps open() itself from waiting on a pipe; it means nothing
  // for the regular files that are all we keep.
  const int descriptor = open(path.c_str(), OpenFlags(mode) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK,
                              S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
  if (descriptor < 0) return std::nullopt;
  File file(descriptor, path);
  if (!IsRegularFile(descriptor)) {
    errno = EISDIR;
    return std::nullopt;
  }
  return file;
}

namespace {

// Fills `buffer` with `readSome(rest, done)`, which reads into the span
// `rest` after `done` bytes, until the file ends, retrying interrupted reads.
template <typename ReadSome>
std::optional<std::size_t> ReadFully(std::span<std::byte> buffer, ReadSome readSome) {
  std::size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t count = readSome(buffer.subspan(total), total);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return std::nullopt;
    if (count == 0) break;
    total += static_cast<std::size_t>(count);
  }
  return total;
}

}  // namespace

std::optional<std::size_t> File::Read(std::span<std::byte> buffer) {
  if (FileFaultInjected(FileOperation::Read, path_)) return std::nullopt;
  return ReadFully(buffer, [this](std::span<std::byte> rest, std::size_t) {
    return read(descriptor_, rest.data(), rest.size());
  });
}

std::optional<std::size_t> File::ReadAt(std::uint64_t offset, std::span<std::byte> buffer) {
  if (FileFaultInjected(FileOperation::Read, path_)) return std::nullopt;
  return ReadFully(buffer, [this, offset](std::span<std::byte> rest, std::size_t done) {
    return pread(descriptor_, rest.data(), rest.size(), static_cast<off_t>(offset + done));
  });
}

std::optional<std::uint64_t> File::Size() const {
  struct stat status;
  if (fstat(descriptor_, &status) != 0) return std::nullopt;
  return static_cast<std::uint64_t>(status.st_size);
}

bool File::Write(std::span<const std::byte> bytes) {
  if (FileFaultInjected(FileOperation::Write, path_)) return false;
  std::size_t total = 0;
  while (total < bytes.size()) {
    const ssize_t count = write(descriptor_, bytes.data() + total, bytes.size() - total);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    total += static_cast<std::size_t>(count);
  }
  return true;
}

bool File::WriteText(std::u16string_view text) {
  std::vector<std::byte> storage;
  return Write(TextBytes(text, storage));
}

bool File::Append(std::span<const std::byte> bytes) {
  const std::optional<std::uint64_t> size = Size();
  if (!size || lseek(descriptor_, 0, SEEK_END) < 0) return false;
  if (Write(bytes) && Flush()) return true;
  if (!FileFaultInjected(FileOperation::Truncate, path_)) {
    [[maybe_unused]] const int ignored = ftruncate(descriptor_, static_cast<off_t>(*size));
  }
  return false;
}

bool File::SetPermissions(unsigned mode) { return fchmod(descriptor_, mode) == 0; }

bool File::Flush() {
  if (FileFaultInjected(FileOperation::Flush, path_)) return false;
  return fsync(descriptor_) == 0;
}

bool File::Close() {
  if (descriptor_ < 0) return false;
  const bool failed = FileFaultInjected(FileOperation::Close, path_);
  // No retry on EINTR: Linux has released the descriptor by then.
  return close(std::exchange(descriptor_, -1)) == 0 && !failed;
}

std::optional<std::vector<std::byte>> ReadWholeFile(const std::filesystem::path& path,
                                                    std::size_t maxBytes) {
  std::optional<File> file = File::Open(path, OpenMode::Read);
  if (!file) return std::nullopt;
  // Grows chunk by chunk, so a generous limit costs nothing for a small file.
  std::vector<std::byte> contents;
  while (contents.size() < maxBytes) {
    const std::size_t held = contents.size();
    const std::size_t wanted = std::min(kChunkBytes, maxBytes - held);
    contents.resize(held + wanted);
    const std::optional<std::size_t> count = file->Read(std::span(contents).subspan(held));
    if (!count) return std::nullopt;
    contents.resize(held + *count);
    if (*count < wanted) break;
  }
  return contents;
}

Replaced ReplaceFile(const std::filesystem::path& target, std::span<const std::byte> bytes) {
  const std::optional<int> mode = ReplacementMode(target);
  if (!mode) return Replaced::No;
  std::filesystem::path scratch;
  std::optional<File> file = CreateScratchFile(target, scratch);
  if (!file) return Replaced::NoScratchFile;
  // The new contents must be on the disk before the name points at them.
  const bool replaced = (*mode == kNoOldFile || file->SetPermissions(*mode)) &&
                        file->Write(bytes) && file->Flush() && file->Close() &&
                        !FileFaultInjected(FileOperation::Replace, target) &&
                        rename(scratch.c_str(), target.c_str()) == 0;
  if (!replaced) {
    file.reset();
    const bool removed =
        !FileFaultInjected(FileOperation::Remove, scratch) && unlink(scratch.c_str()) == 0;
    return removed ? Replaced::No : Replaced::NoScratchLeftOver;
  }
  SyncFolder(target.parent_path());
  return Replaced::Yes;
}

Replaced ReplaceFileText(const std::filesystem::path& target, std::u16string_view text) {
  std::vector<std::byte> storage;
  return ReplaceFile(target, TextBytes(text, storage));
}

void RemoveLeftoverScratchFiles(const std::filesystem::path& folder) {
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    if (IsLeftoverScratchName(entry->d_name)) unlinkat(dirfd(listing), entry->d_name, 0);
  }
  closedir(listing);
}

bool RemoveFile(const std::filesystem::path& path) {
  if (FileFaultInjected(FileOperation::Remove, path)) return false;
  if (unlink(path.c_str()) != 0) return false;
  SyncFolder(path.parent_path());
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int descriptor =
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
}

bool FileExists(const std::filesystem::path& path) {
  struct stat status;
  return lstat(path.c_str(), &status) == 0;
}

std::vector<std::u16string> ListFilesWithSuffix(const std::filesystem::path& folder,
                                                std::u16string_view suffix) {
  std::vector<std::u16string> names;
  if (FileFaultInjected(FileOperation::List, folder)) return names;
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return names;
  while (const dirent* entry = readdir(listing)) {
    const std::string_view bytes = entry->d_name;
    std::u16string name = FromUtf8(bytes);
    if (EndsWith(name, suffix) && ToUtf8(name) == bytes && IsRegularEntry(listing, *entry)) {
      names.push_back(std::move(name));
    }
  }
  closedir(listing);
  return names;
}

FolderLock::Outcome FolderLock::Take(const std::filesystem::path& folder,
                                     std::optional<FolderLock>& lock) {
  const int descriptor =
      open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return Outcome::Unavailable;
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(descriptor);
    return held ? Outcome::HeldElsewhere : Outcome::Unavailable;
  }
  lock.emplace(FolderLock(descriptor));
  return Outcome::Taken;
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FolderLock::~FolderLock() {
  if (descriptor_ >= 0) close(descriptor_);
}

std::optional<std::filesystem::path> PathInFolder(const std::filesystem::path& folder,
                                                  std::u16string_view fileName) {
  const std::string bytes = ToUtf8(fileName);
  const bool plain = !fileName.empty() && fileName != u"." && fileName != u".." &&
                     bytes.find_first_of(std::string_view("/\0", 2)) == std::string::npos &&
                     FromUtf8(bytes) == fileName;
  if (!plain) return std::nullopt;
  return folder / std::filesystem::path(bytes);
}

}  // namespace tallyfox
