// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/test_seam.h"

#include "core/common/text.h"
#include "platform/dialog.h"
#include "platform/widgets.h"

namespace tallyfox {
namespace {

UiScript*& InstalledScript() {
  static UiScript* installed = nullptr;
  return installed;
}

// Joins the parts of a failure report. (Appending, rather than adding a
// literal to a string, also keeps GCC 12's -Wrestrict false positive away.)
template <class... Parts>
std::string Report(const Parts&... parts) {
  std::string report;
  (report.append(parts), ...);
  return report;
}

std::string Quoted(std::u16string_view text) { return Report("\"", ToUtf8(text), "\""); }

}  // namespace

UiScript::UiScript() : previous_(InstalledScript()) { InstalledScript() = this; }

UiScript::~UiScript() { InstalledScript() = previous_; }

UiScript* UiScript::Installed() { return InstalledScript(); }

UiScript& UiScript::ExpectMessage(std::u16string text, MessageResult answer) {
  Expectation expectation;
  expectation.text = std::move(text);
  expectation.answer = answer;
  expectations_.push_back(std::move(expectation));
  return *this;
}

UiScript& UiScript::ExpectDialog(int templateNumber, DialogActions actions) {
  Expectation expectation;
  expectation.isDialog = true;
  expectation.templateNumber = templateNumber;
  expectation.actions = std::move(actions);
  expectations_.push_back(std::move(expectation));
  return *this;
}

std::vector<std::string> UiScript::Failures() const {
  std::vector<std::string> all = failures_;
  for (const Expectation& missing : expectations_) {
    all.push_back(
        missing.isDialog
            ? Report("expected dialog ", std::to_string(missing.templateNumber), " never ran")
            : Report("expected message ", Quoted(missing.text), " never came"));
  }
  return all;
}

MessageResult UiScript::AnswerMessage(std::u16string_view text) {
  messages_.emplace_back(text);
  if (expectations_.empty() || expectations_.front().isDialog) {
    failures_.push_back(Report("unexpected message ", Quoted(text)));
    return MessageResult::Ok;
  }
  Expectation expected = std::move(expectations_.front());
  expectations_.pop_front();
  if (expected.text != text) {
    failures_.push_back(
        Report("message ", Quoted(text), " where ", Quoted(expected.text), " was expected"));
  }
  return expected.answer;
}

void UiScript::RunModal(Dialog& dialog) {
  const int number = dialog.templateNumber();
  if (expectations_.empty() || !expectations_.front().isDialog ||
      expectations_.front().templateNumber != number) {
    failures_.push_back(Report("unexpected dialog ", std::to_string(number)));
    dialog.EndDialog(kIdCancel);
    return;
  }
  Expectation expected = std::move(expectations_.front());
  expectations_.pop_front();
  WidgetOf(dialog)->show();
  if (expected.actions) expected.actions(dialog);
  if (!dialog.HasEnded()) {
    failures_.push_back(Report("dialog ", std::to_string(number), " was left open"));
    dialog.EndDialog(kIdCancel);
  }
}

}  // namespace tallyfox
