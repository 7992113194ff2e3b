// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/accessible.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "platform/widgets.h"

namespace tallyfox {
namespace {

// A dialog's edit box, its text and caret, told as Qt tells them, but
// read-only without also being editable. Changes made through it reach the
// window as typing does.
class AccessibleEdit : public QAccessibleWidget,
                       public QAccessibleTextInterface,
                       public QAccessibleEditableTextInterface {
 public:
  explicit AccessibleEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Edit()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? Edit()->text() : QAccessibleWidget::text(kind);
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !Edit()->isReadOnly()) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Edit()->hasSelectedText()) return;
    *start = Edit()->selectionStart();
    *end = *start + Edit()->selectionLength();
  }
  int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { Edit()->setSelection(start, end - start); }
  void removeSelection(int) override { Edit()->deselect(); }
  void setSelection(int, int start, int end) override { addSelection(start, end); }
  int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  QString text(int start, int end) const override {
    return start > end ? QString() : Edit()->text().mid(start, end - start);
  }
  int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    Edit()->setCursorPosition(end);
    Edit()->setCursorPosition(start);
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

  void deleteText(int start, int end) override { replaceText(start, end, {}); }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  // As typed over a selection: checked by the box's validator, and told to
  // the window like the user's own typing.
  void replaceText(int start, int end, const QString& text) override {
    Edit()->setSelection(start, end - start);
    Edit()->insert(text);
  }

 private:
  QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
};

// A control of ours sits on a dialog's content: the dialog itself for a page,
// the widget inside its scroll area for a window of its own.
bool IsDialogControl(const QWidget* control) {
  for (QWidget* above = control->parentWidget(); above != nullptr; above = above->parentWidget()) {
    if (auto* dialog = dynamic_cast<DialogWidget*>(above)) {
      return dialog->content() == control->parentWidget();
    }
  }
  return false;
}

QAccessibleInterface* AccountOf(const QString&, QObject* object) {
  auto* page = dynamic_cast<DialogWidget*>(object);
  if (page != nullptr && !page->isWindow()) return new QAccessibleWidget(page, QAccessible::Pane);
  auto* edit = qobject_cast<QLineEdit*>(object);
  if (edit != nullptr && IsDialogControl(edit)) {
    return new AccessibleEdit(edit);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleAccounts() {
  static const bool installed = [] {
    QAccessible::installFactory(AccountOf);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace tallyfox
