// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/modal.h"

#include <QMessageBox>
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

MessageResult MessageBox(const Dialog* owner, std::u16string_view text, MessageButtons buttons) {
  SendCancelModeToActive();
  if (UiScript* script = UiScript::Installed()) return script->AnswerMessage(text);

  const Dialog* parent = owner != nullptr ? owner : ActiveDialog();
  QMessageBox box(
      QMessageBox::NoIcon, QStringLiteral("Tallyfox"), ToQString(text),
      buttons == MessageButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
      parent != nullptr ? WidgetOf(*parent) : nullptr);
  QFont font = box.font();
  font.setPointSizeF(font.pointSizeF() * Zoom() / kNormalZoom);
  box.setFont(font);
  const int answer = box.exec();
  if (buttons == MessageButtons::Ok) return MessageResult::Ok;
  return answer == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
}

}  // namespace tallyfox
