// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/common/reporter.h"
#include "core/files/files.h"
#include "core/tax/tax_setting.h"

namespace tallyfox {

// The tax file's record: 12 bytes, or 14 when a custom rate has five
// characters (older readers still see its first four).
std::vector<std::byte> EncodeTaxRecord(const TaxSetting& setting);

// Reads what `record` holds; a field that it does not hold whole keeps its
// initial value.
TaxSetting DecodeTaxRecord(std::span<const std::byte> record);

// Sets `setting` from tax.ini in `appFolder`. Without the file, or when it
// cannot be read, leaves `setting` alone and returns false; only a file that
// is there but cannot be read is reported.
bool ReadTaxFile(const std::filesystem::path& appFolder, TaxSetting& setting, Reporter& reporter);

// Writing is split because the Tax Setup dialog opens tax.ini first, so that
// an unwritable file is found before the user's input is checked.
class TaxFileWriter {
 public:
  // Opens tax.ini in `appFolder` for writing, creating it if missing; its
  // contents stay as they are until Write().
  static std::optional<TaxFileWriter> Open(const std::filesystem::path& appFolder);

  // Replaces tax.ini with the record in one step: on any failure the file
  // keeps its old contents.
  bool Write(const TaxSetting& setting);

 private:
  TaxFileWriter(std::filesystem::path appFolder, File taxFile);

  std::filesystem::path appFolder_;
  File taxFile_;
};

}  // namespace tallyfox
