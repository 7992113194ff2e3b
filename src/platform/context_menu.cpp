// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/context_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <memory>

#include "platform/dialog.h"
#include "platform/widgets.h"

namespace tallyfox {
namespace {

// Found by name: without a meta-object of its own it cannot be found by type.
const QString kMenuKeysName = QStringLiteral("tallyfox-menu-keys");

// Qt opens a context menu on a right click and on the Menu key, not on
// Shift+F10; and a command's keys must reach it from the control even where
// an item view would copy one cell instead, or the window is not active.
class MenuKeys : public QObject {
 public:
  explicit MenuKeys(QWidget* widget) : QObject(widget) { setObjectName(kMenuKeysName); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = static_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
      const QPoint centre = widget->rect().center();
      QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
      QCoreApplication::sendEvent(widget, &menu);
      return true;
    }
    const QKeySequence pressed(key->keyCombination());
    for (QAction* action : widget->actions()) {
      if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
        action->trigger();
        return true;
      }
    }
    return false;
  }
};

}  // namespace

void SetContextMenu(Control& control, std::vector<MenuCommand> commands) {
  QWidget* widget = WidgetOf(control);
  for (QAction* old : widget->actions()) {
    widget->removeAction(old);
    delete old;
  }
  delete widget->findChild<QObject*>(kMenuKeysName, Qt::FindDirectChildrenOnly);
  for (MenuCommand& command : commands) {
    auto* action = new QAction(ToQString(command.text), widget);
    QObject::connect(action, &QAction::triggered, widget, std::move(command.run));
    if (command.onCopyKey) {
      // Shown beside the command; the key itself is caught by MenuKeys.
      action->setShortcut(QKeySequence::Copy);
      action->setShortcutContext(Qt::WidgetShortcut);
      action->setShortcutVisibleInContextMenu(true);
    } else if (!command.keys.empty()) {
      action->setShortcut(QKeySequence(ToQString(command.keys), QKeySequence::PortableText));
      action->setShortcutContext(Qt::WindowShortcut);
      action->setShortcutVisibleInContextMenu(true);
    }
    widget->addAction(action);
  }
  widget->installEventFilter(new MenuKeys(widget));
  auto* edit = qobject_cast<QLineEdit*>(widget);
  if (edit == nullptr) {
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    return;
  }
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::disconnect(edit, &QWidget::customContextMenuRequested, nullptr, nullptr);
  QObject::connect(edit, &QWidget::customContextMenuRequested, edit, [edit](const QPoint& at) {
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(edit->actions());
    menu->exec(edit->mapToGlobal(at));
  });
}

void SetRefreshKey(Dialog& window, std::function<void()> run) {
  QWidget* widget = WidgetOf(window);
  auto* shortcut = new QShortcut(QKeySequence::Refresh, widget);
  // Wherever the focus is in the window, even on the tab strip, but only
  // while `window` shows: a hidden page's shortcut does not fire.
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, widget, std::move(run));
}

}  // namespace tallyfox
