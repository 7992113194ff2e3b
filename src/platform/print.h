// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Printing a list's sheet: its title, its table and the lines below it.

#include <filesystem>

#include "core/shoplist/list_text.h"
#include "platform/controls.h"

namespace tallyfox {

enum class PrintResult { Printed, Cancelled, Failed };

// Asks for a printer with the print dialog over `near`'s window, then
// prints, showing its progress with a Cancel button when it takes a while.
// A PDF file is complete or not there at all.
PrintResult PrintWithDialog(const Control& near, const ListSheet& page);

// For tests, benchmarks and the picture renderer: while one lives, printing
// goes to this PDF file without asking.
class ScopedPrintToPdf {
 public:
  explicit ScopedPrintToPdf(std::filesystem::path file);
  ~ScopedPrintToPdf();
  ScopedPrintToPdf(const ScopedPrintToPdf&) = delete;
  ScopedPrintToPdf& operator=(const ScopedPrintToPdf&) = delete;

  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace tallyfox
