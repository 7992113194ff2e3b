// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls of a dialog, as the windows see them. Qt stays behind these
// classes: a window never touches a widget.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/notification.h"
#include "res/dialog_template.h"

class QWidget;

namespace tallyfox {

struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

class Control {
 public:
  // `sink` receives the control's notifications (its dialog's router).
  using Sink = std::function<void(Notification&)>;
  Control(const ItemTemplate& item, QWidget* widget, Sink sink);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int id() const { return id_; }
  ControlKind kind() const { return kind_; }

  // What the control shows as its text; nothing for kinds that show none.
  virtual std::u16string Text() const;
  virtual void SetText(std::u16string_view text);
  void Show(bool show);
  bool IsVisible() const;
  void Enable(bool enable);
  bool IsEnabled() const;
  void SetFocus();
  bool HasFocus() const;
  virtual void Move(const PixelRect& rect);
  PixelRect Rect() const;
  // Shows again what the template gives the control (its caption, picture
  // or selection), as a new layout from another template does.
  virtual void ShowTemplate(const ItemTemplate&) {}
  // Redraws what the control sizes in pixels at the zoom in force.
  virtual void ApplyZoom() {}
  // Shown when the pointer rests on the control; empty shows none.
  void SetToolTip(std::u16string_view text);
  std::u16string ToolTip() const;

  // The widget side, and the tests that act through it, reach the control's
  // widget and send its notifications here; the windows never do.
  friend QWidget* WidgetOf(const Control& control) { return control.widget_; }
  friend void SendFrom(const Control& control, Notification& notification) {
    control.Send(notification);
  }

 protected:
  QWidget* widget() const { return widget_; }
  void Send(Notification& notification) const;

 private:
  Sink sink_;
  int id_;
  ControlKind kind_;
  QWidget* widget_;
};

// Push buttons, and the check boxes and radio buttons built on them.
class Button : public Control {
 public:
  using Control::Control;
  std::u16string Text() const override;
  void SetText(std::u16string_view text) override;
  void ShowTemplate(const ItemTemplate& item) override { SetText(item.caption); }
};

class CheckBox : public Button {
 public:
  using Button::Button;
  bool IsChecked() const;
  void SetChecked(bool checked);
};

class RadioButton : public Button {
 public:
  using Button::Button;
  bool IsChecked() const;
  void SetChecked(bool checked);
};

class Edit : public Control {
 public:
  using Control::Control;
  std::u16string Text() const override;
  void SetText(std::u16string_view text) override;
  void SetReadOnly(bool readOnly);
  bool IsReadOnly() const;
  // Selects all text and scrolls the caret into view.
  void SelectAll();
};

class StaticText : public Control {
 public:
  using Control::Control;
  std::u16string Text() const override;
  void SetText(std::u16string_view text) override;
  void ShowTemplate(const ItemTemplate& item) override { SetText(item.caption); }
  // From now on the text is a link to `address`, opened in the browser by a
  // click, or by Enter once Tab has reached it.
  void ShowAsLink(std::u16string_view address);

 private:
  std::u16string link_;
  std::u16string linkText_;
};

// A static that shows a bitmap, at the bitmap's own size.
class Picture : public StaticText {
 public:
  using StaticText::StaticText;
  // Drawn at the zoom in force, from the picture made at twice the size where
  // the screen or the zoom calls for more pixels.
  void SetImage(int resource);
  void Move(const PixelRect& rect) override;
  void ShowTemplate(const ItemTemplate& item) override { SetImage(item.resource); }
  void ApplyZoom() override { SetImage(resource_); }

 private:
  int resource_ = 0;
};

// Drop-down lists and list boxes share their entry handling.
class ListControl : public Control {
 public:
  ListControl(const ItemTemplate& item, QWidget* widget, Sink sink);
  // A new layout keeps the entry chosen and shows it again.
  void ShowTemplate(const ItemTemplate&) override { SetCurSel(CurSel()); }

  int Count() const;
  // Adds at the sorted place in a sorted list, else at the end; gives the index.
  int AddString(std::u16string_view text);
  void DeleteString(int index);
  void ResetContent();
  int CurSel() const;  // -1 when nothing is selected
  void SetCurSel(int index);
  std::u16string TextAt(int index) const;
  int FindExact(std::u16string_view text) const;

 private:
  bool sorted_;
};

class DropDownList : public ListControl {
 public:
  using ListControl::ListControl;
  std::u16string Text() const override;
  // The height of the template includes the opened list; the closed box is one line.
  void Move(const PixelRect& rect) override;
};

class ListBox : public ListControl {
 public:
  using ListControl::ListControl;
  std::u16string Text() const override;
};

enum class ColumnAlign { Left, Center, Right };

struct ListColumn {
  std::u16string_view heading;
  int width = 0;  // pixels
  ColumnAlign align = ColumnAlign::Left;
};

class ListView : public Control {
 public:
  using Control::Control;

  void SetTickBoxes(bool on);
  void SetFullRowSelect(bool on);
  // Empties the table and gives it these columns, left to right.
  void SetColumns(std::span<const ListColumn> columns);
  // The columns' widths at the zoom in force.
  void ApplyZoom() override;
  // Empties the table of its rows and columns.
  void ClearColumns() { SetColumns({}); }
  int ColumnCount() const;
  std::u16string ColumnHeading(int index) const;
  int ColumnWidth(int index) const;

  int InsertItem(int index, std::u16string_view text);
  void SetItemText(int row, int column, std::u16string_view text);
  std::u16string ItemText(int row, int column) const;
  int ItemCount() const;
  void DeleteItem(int row);
  void DeleteAllItems();
  bool IsTicked(int row) const;
  void SetTicked(int row, bool ticked);
  std::uint32_t ItemState(int row) const;
  std::vector<int> SelectedRows() const;
  void SelectRow(int row);
  // The text background that the owner's custom drawing gives this row; the
  // same questions are asked when the row is painted.
  Rgb RowBackground(int row) const;
};

class TabControl : public Control {
 public:
  using Control::Control;
  void InsertItem(int index, std::u16string_view text);
  int ItemCount() const;
  std::u16string ItemText(int index) const;
  int CurSel() const;
  void SetCurSel(int index);
  // The whole control, in its own coordinates: pages are placed inside it.
  PixelRect ClientRect() const;
};

}  // namespace tallyfox
