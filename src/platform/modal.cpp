// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/modal.h"

#include <QMessageBox>
#include <memory>
#include <vector>

#include "platform/dialog.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "platform/zoom.h"

namespace tallyfox {

// The top-level windows in their modal runs, innermost last: one list for the
// process, as the window manager keeps one for the screen.
std::vector<Dialog*>& ActiveStack() {
  static std::vector<Dialog*> stack;
  return stack;
}

Dialog* ActiveDialog() { return ActiveStack().empty() ? nullptr : ActiveStack().back(); }

void SendCancelModeToActive() {
  if (Dialog* active = ActiveDialog()) active->DispatchCancelMode();
}

// Every question asks before something is deleted: Enter must not answer Yes.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::u16string_view text,
                                            MessageButtons buttons) {
  const bool question = buttons == MessageButtons::YesNo;
  auto box = std::make_unique<QMessageBox>(
      QMessageBox::NoIcon, QStringLiteral("Tallyfox"), ToQString(text),
      question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
  if (question) box->setDefaultButton(QMessageBox::No);
  QFont font = box->font();
  font.setPointSizeF(font.pointSizeF() * Zoom() / kNormalZoom);
  box->setFont(font);
  return box;
}

MessageResult MessageBox(const Dialog* owner, std::u16string_view text, MessageButtons buttons) {
  SendCancelModeToActive();
  if (UiScript* script = UiScript::Installed()) return script->AnswerMessage(text);

  const Dialog* parent = owner != nullptr ? owner : ActiveDialog();
  const std::unique_ptr<QMessageBox> box =
      MakeMessageBox(parent != nullptr ? WidgetOf(*parent) : nullptr, text, buttons);
  const int answer = box->exec();
  if (buttons == MessageButtons::Ok) return MessageResult::Ok;
  return answer == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
}

}  // namespace tallyfox
