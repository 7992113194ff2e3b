// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The base of every window: built from a numbered template, either as a
// modeless child of another window (pages) or run modally.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/message_map.h"
#include "platform/notification.h"
#include "res/dialog_template.h"

namespace tallyfox {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class Dialog;
class DialogWidget;

// Copies control contents into a window's members and back.
class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}
  bool saving() const { return saving_; }

  void Text(int id, std::u16string& value);
  // The index of the checked radio button in the group that starts at firstId
  // (-1 when none is checked).
  void Radio(int firstId, int& index);
  void Check(int id, bool& value);

 private:
  Dialog& dialog_;
  bool saving_;
};

class Dialog {
 public:
  explicit Dialog(int templateNumber);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  int templateNumber() const { return templateNumber_; }
  const DialogTemplate& dialogTemplate() const;

  // A modeless child window inside `parent` (pages inside the tab control).
  // The window's initialisation runs before this returns.
  void Create(Control& parent);
  // Runs the window modally over the active window; gives the result that
  // EndDialog was called with.
  int DoModal();
  void EndDialog(int result);
  bool HasWindow() const { return widget_ != nullptr; }
  void DestroyWindow();

  void ShowWindow(bool show);
  bool IsWindowVisible() const;
  void MoveWindow(const PixelRect& rect);
  PixelRect WindowRect() const;
  std::u16string WindowTitle() const;
  // What a screen reader calls the window (a page: its tab's caption).
  void SetAccessibleName(std::u16string_view name);
  // The window's large and small icon, from an image resource.
  void SetIcon(int resource);

  // Copies between controls and members.
  void UpdateData(bool saveAndValidate = true);

  // Controls by id; the kind must match the template's.
  Control& Item(int id) const;
  Button& ButtonItem(int id) const;
  CheckBox& CheckBoxItem(int id) const;
  RadioButton& RadioItem(int id) const;
  Edit& EditItem(int id) const;
  StaticText& StaticItem(int id) const;
  DropDownList& DropDownItem(int id) const;
  ListBox& ListBoxItem(int id) const;
  ListView& ListViewItem(int id) const;
  TabControl& TabItem(int id) const;
  bool HasItem(int id) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

  std::u16string ItemText(int id) const { return Item(id).Text(); }
  void SetItemText(int id, std::u16string_view text) { Item(id).SetText(text); }

  // Gives the window's content the size that another template of the same
  // font gives it.
  void SizeFromTemplate(int templateNumber);
  // A top-level window takes the size of its content, within the screen.
  void FitWindowToContent();
  // Lays the open window out again at the zoom in force: its font, its
  // controls' places in its own template, and what they size in pixels.
  void ApplyZoom();
  // Converts a rectangle in this window's dialog units to pixels.
  PixelRect MapDialogRect(const DuRect& rect) const;

  bool HasEnded() const { return ended_; }

  // The widget side, and the tests that act through it, reach the window's
  // widget here; the windows themselves never do.
  friend DialogWidget* WidgetOf(const Dialog& dialog) { return dialog.widget_; }

 protected:
  // Default: data exchange towards the controls; true lets the platform place
  // the focus on the first control that takes it.
  virtual bool OnInitDialog();
  virtual void DoDataExchange(DataExchange& dx);
  // The caption OK button: data exchange from the controls, then end with OK.
  virtual void OnOK();
  // Escape: end with Cancel.
  virtual void OnCancel();
  // Ctrl+Q, the desktop's key for quitting: only the program's main window
  // answers it; dialogs ignore it.
  virtual void OnQuit() {}
  // Ctrl+Plus (+1), Ctrl+Minus (-1) and Ctrl+0 (0): only the main window
  // answers them; dialogs follow the zoom when next opened.
  virtual void OnZoomKey(int /*step*/) {}
  // A message box or modal dialog is opening above this window.
  virtual void OnCancelMode() {}
  virtual void OnSize(int width, int height);
  // The user, or the desktop, gave the top-level window another size than
  // the program did.
  virtual void OnResizedFromOutside(int /*width*/, int /*height*/) {}

  // Adds a class's message map to the window's. Each class of a window calls
  // it in its constructor, so a derived class's entries come before its base's.
  template <class Window, std::size_t N>
  void UseMessageMap(Window* window, const MessageEntry<Window> (&map)[N]) {
    routers_.insert(routers_.begin(), [window, &map](Notification& notification) {
      return RouteThrough<Window>(map, *window, notification);
    });
  }

 private:
  // What the window's widget and the modal runs tell it.
  friend class DialogWidget;
  friend void SendCancelModeToActive();
  void DispatchNotification(Notification& notification);
  void DispatchCancelMode() { OnCancelMode(); }
  void DispatchSize(int width, int height) { OnSize(width, height); }
  void DispatchResizedFromOutside(int width, int height) { OnResizedFromOutside(width, height); }
  void DispatchOk() { OnOK(); }
  void DispatchCancel() { OnCancel(); }
  void DispatchQuit() { OnQuit(); }
  void DispatchZoomKey(int step) { OnZoomKey(step); }
  bool DispatchEnter();
  void ForgetWindow();
  DialogWidget* widget() const { return widget_; }

  void BuildWindow(QWidget* parent, bool child);
  void InitWindow();
  void GroupRadioButtons();
  void GiveMnemonics();
  int IndexOf(int id) const;

  int templateNumber_;
  DialogWidget* widget_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  int baseUnitX_ = 0;
  int baseUnitY_ = 0;
  int zoom_ = 100;  // percent
  bool inModalRun_ = false;
  std::vector<std::function<bool(Notification&)>> routers_;
  bool ended_ = false;
  int result_ = kIdCancel;
};

}  // namespace tallyfox
