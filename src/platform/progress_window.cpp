// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/progress_window.h"

#include <QProgressDialog>

#include "platform/dialog.h"
#include "platform/widgets.h"

namespace tallyfox {
namespace {

constexpr int kShowAfterMs = 300;

}  // namespace

ProgressWindow::ProgressWindow(const Dialog& owner, std::u16string_view text)
    : dialog_(std::make_unique<QProgressDialog>(ToQString(text), QStringLiteral("Cancel"), 0, 0,
                                                WidgetOf(owner)->window())) {
  dialog_->setWindowTitle(QStringLiteral("Tallyfox"));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(kShowAfterMs);
  dialog_->setAutoReset(false);
  dialog_->setAutoClose(false);
  QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] {
    if (cancel_) cancel_();
  });
  dialog_->setValue(0);  // starts the timer that shows it
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::Show(std::int64_t done, std::int64_t total) {
  // A bar that moves to and fro while the size is unknown.
  dialog_->setMaximum(static_cast<int>(total));
  if (total > 0) dialog_->setValue(static_cast<int>(done));
}

void ProgressWindow::OnCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }

}  // namespace tallyfox
