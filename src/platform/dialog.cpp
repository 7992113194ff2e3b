// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <cstdio>
#include <cstdlib>

#include "platform/dialog_units.h"
#include "platform/keyboard_cues.h"
#include "platform/modal.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "platform/zoom.h"

namespace tallyfox {
namespace {

[[noreturn]] void WrongControl(int templateNumber, int id, const char* what) {
  std::fprintf(stderr, "tallyfox: template %d has no %s with id %d\n", templateNumber, what, id);
  std::abort();
}

template <class T>
T& Typed(const Dialog& dialog, int id, const char* what) {
  for (const auto& control : dialog.controls()) {
    if (control->id() != id) continue;
    if (auto* typed = dynamic_cast<T*>(control.get())) return *typed;
    break;
  }
  WrongControl(dialog.templateNumber(), id, what);
}

}  // namespace

void DataExchange::Text(int id, std::u16string& value) {
  if (saving_) {
    value = dialog_.ItemText(id);
  } else {
    dialog_.SetItemText(id, value);
  }
}

void DataExchange::Check(int id, bool& value) {
  if (saving_) {
    value = dialog_.CheckBoxItem(id).IsChecked();
  } else {
    dialog_.CheckBoxItem(id).SetChecked(value);
  }
}

void DataExchange::Radio(int firstId, int& index) {
  // The group runs from firstId to the next item that starts a group; other
  // kinds of control inside it are passed over.
  const auto& items = dialog_.dialogTemplate().items;
  const auto& controls = dialog_.controls();
  int position = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].id == firstId) position = static_cast<int>(i);
  }
  if (position < 0) WrongControl(dialog_.templateNumber(), firstId, "radio button");
  if (saving_) index = -1;
  int radio = 0;
  for (std::size_t i = position; i < items.size(); ++i) {
    if (i != static_cast<std::size_t>(position) && (items[i].style & kGroup)) break;
    auto* button = dynamic_cast<RadioButton*>(controls[i].get());
    if (button == nullptr) continue;
    if (saving_) {
      if (button->IsChecked() && index < 0) index = radio;
    } else {
      button->SetChecked(radio == index);
    }
    ++radio;
  }
}

Dialog::Dialog(int templateNumber) : templateNumber_(templateNumber) {}

Dialog::~Dialog() { DestroyWindow(); }

const DialogTemplate& Dialog::dialogTemplate() const {
  const DialogTemplate* found = FindTemplate(templateNumber_);
  if (found == nullptr) WrongControl(templateNumber_, 0, "template");
  return *found;
}

void Dialog::BuildWindow(QWidget* parent, bool child) {
  ShowMnemonicsWhileAltHeld();
  const DialogTemplate& tmpl = dialogTemplate();
  widget_ = new DialogWidget(*this, parent, child);
  const BaseUnits units = BaseUnitsOf(DialogFont(tmpl, kNormalZoom));
  baseUnitX_ = units.x;
  baseUnitY_ = units.y;
  zoom_ = Zoom();
  widget_->setFont(DialogFont(tmpl, zoom_));
  ended_ = false;
  result_ = kIdCancel;
  if (!child) widget_->setWindowTitle(ToQString(tmpl.caption));
  SizeFromTemplate(templateNumber_);
  if (!child) FitWindowToContent();
  for (const ItemTemplate& item : tmpl.items) {
    controls_.push_back(MakeControl(item, widget_->content(), MapDialogRect(item.rect),
                                    [this](Notification& n) { DispatchNotification(n); }));
  }
  GroupRadioButtons();
  GiveMnemonics();
  SetAccessibleNames(tmpl.items, controls_);
}

void Dialog::GiveMnemonics() {
  const std::vector<std::size_t> places = MnemonicPlaces(dialogTemplate().items);
  for (std::size_t i = 0; i < places.size() && i < controls_.size(); ++i) {
    if (auto* button = dynamic_cast<Button*>(controls_[i].get())) button->SetMnemonic(places[i]);
  }
}

// Enter presses the push button that has the focus, as on every desktop,
// and else the window's default button; a disabled one takes Enter and
// does nothing. False when the window has neither, so that a page hands
// Enter up.
bool Dialog::DispatchEnter() {
  const auto& items = dialogTemplate().items;
  QAbstractButton* chosen = nullptr;
  for (std::size_t i = 0; i < items.size() && i < controls_.size(); ++i) {
    if (items[i].kind != ControlKind::PushButton) continue;
    auto* button = static_cast<QAbstractButton*>(WidgetOf(*controls_[i]));
    if (button->hasFocus()) {
      chosen = button;
      break;
    }
    if (items[i].style & kDefaultButton) chosen = button;
  }
  if (chosen == nullptr) return false;
  if (chosen->isEnabled() && chosen->isVisible()) chosen->click();
  return true;
}

void Dialog::GroupRadioButtons() {
  const auto& items = dialogTemplate().items;
  QButtonGroup* group = nullptr;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].style & kGroup) group = nullptr;
    if (items[i].kind != ControlKind::RadioButton) continue;
    if (group == nullptr) group = new QButtonGroup(widget_);
    group->addButton(static_cast<QAbstractButton*>(WidgetOf(*controls_[i])));
  }
}

void Dialog::InitWindow() {
  DispatchSize(widget_->width(), widget_->height());
  if (!OnInitDialog()) return;
  for (const auto& control : controls_) {
    QWidget* w = WidgetOf(*control);
    if (w->focusPolicy() == Qt::StrongFocus && w->isEnabled() && !w->isHidden()) {
      w->setFocus(Qt::OtherFocusReason);
      break;
    }
  }
}

// A window takes the room its controls need, and never more than the screen
// has: past that its content scrolls.
void Dialog::FitWindowToContent() {
  if (widget_ == nullptr) return;
  QRect needed(QPoint(0, 0), widget_->content()->size());
  for (const auto& control : controls_) {
    if (!WidgetOf(*control)->isHidden()) needed = needed.united(WidgetOf(*control)->geometry());
  }
  widget_->FitToContent(needed.size(), needed.size() * kSmallestZoom / zoom_);
}

void Dialog::Create(Control& parent) {
  DestroyWindow();
  BuildWindow(WidgetOf(parent), true);
  widget_->hide();
  InitWindow();
}

int Dialog::DoModal() {
  DestroyWindow();
  SendCancelModeToActive();
  Dialog* owner = ActiveDialog();
  BuildWindow(owner != nullptr ? owner->widget() : nullptr, false);
  ActiveStack().push_back(this);
  inModalRun_ = true;
  InitWindow();
  if (!ended_) {
    FitWindowToContent();
    if (UiScript* script = UiScript::Installed()) {
      script->RunModal(*this);
    } else {
      widget_->exec();
    }
  }
  inModalRun_ = false;
  ActiveStack().pop_back();
  const int result = result_;
  DestroyWindow();
  return result;
}

void Dialog::EndDialog(int result) {
  ended_ = true;
  result_ = result;
  if (widget_ == nullptr) return;
  if (inModalRun_ && widget_->isVisible() && UiScript::Installed() == nullptr) {
    widget_->done(result);
  } else {
    widget_->hide();
  }
}

void Dialog::DestroyWindow() {
  DialogWidget* window = widget_;
  widget_ = nullptr;
  controls_.clear();
  delete window;
}

void Dialog::ForgetWindow() {
  widget_ = nullptr;
  controls_.clear();
}

void Dialog::ShowWindow(bool show) {
  if (widget_ != nullptr) widget_->setVisible(show);
}

bool Dialog::IsWindowVisible() const { return widget_ != nullptr && !widget_->isHidden(); }

void Dialog::MoveWindow(const PixelRect& rect) {
  if (widget_ != nullptr) widget_->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

PixelRect Dialog::WindowRect() const {
  if (widget_ == nullptr) return {};
  const QRect r = widget_->geometry();
  return PixelRect{r.x(), r.y(), r.width(), r.height()};
}

void Dialog::SetAccessibleName(std::u16string_view name) {
  widget_->setAccessibleName(ToQString(name));
}

std::u16string Dialog::WindowTitle() const {
  return widget_ != nullptr ? FromQString(widget_->windowTitle()) : std::u16string();
}

void Dialog::SetIcon(int resource) {
  if (widget_ == nullptr) return;
  widget_->setWindowIcon(ImageIcon(resource));
}

void Dialog::UpdateData(bool saveAndValidate) {
  DataExchange exchange(*this, saveAndValidate);
  DoDataExchange(exchange);
}

int Dialog::IndexOf(int id) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->id() == id) return static_cast<int>(i);
  }
  return -1;
}

bool Dialog::HasItem(int id) const { return IndexOf(id) >= 0; }

Control& Dialog::Item(int id) const {
  const int index = IndexOf(id);
  if (index < 0) WrongControl(templateNumber_, id, "control");
  return *controls_[index];
}

Button& Dialog::ButtonItem(int id) const { return Typed<Button>(*this, id, "button"); }
CheckBox& Dialog::CheckBoxItem(int id) const { return Typed<CheckBox>(*this, id, "check box"); }
RadioButton& Dialog::RadioItem(int id) const { return Typed<RadioButton>(*this, id, "radio"); }
Edit& Dialog::EditItem(int id) const { return Typed<Edit>(*this, id, "edit"); }
StaticText& Dialog::StaticItem(int id) const { return Typed<StaticText>(*this, id, "static"); }
DropDownList& Dialog::DropDownItem(int id) const {
  return Typed<DropDownList>(*this, id, "drop-down list");
}
ListBox& Dialog::ListBoxItem(int id) const { return Typed<ListBox>(*this, id, "list box"); }
ListView& Dialog::ListViewItem(int id) const { return Typed<ListView>(*this, id, "list view"); }
TabControl& Dialog::TabItem(int id) const { return Typed<TabControl>(*this, id, "tab control"); }

void Dialog::SizeFromTemplate(int templateNumber) {
  const DialogTemplate* sizing = FindTemplate(templateNumber);
  if (sizing == nullptr || widget_ == nullptr) return;
  const PixelRect size = MapDialogRect(DuRect{0, 0, sizing->cx, sizing->cy});
  widget_->content()->resize(size.width, size.height);
}

void Dialog::ApplyZoom() {
  if (widget_ == nullptr) return;
  const DialogTemplate& tmpl = dialogTemplate();
  zoom_ = Zoom();
  widget_->setFont(DialogFont(tmpl, zoom_));
  for (std::size_t i = 0; i < controls_.size() && i < tmpl.items.size(); ++i) {
    controls_[i]->Move(MapDialogRect(tmpl.items[i].rect));
    controls_[i]->ApplyZoom();
  }
  SizeFromTemplate(templateNumber_);
}

PixelRect Dialog::MapDialogRect(const DuRect& rect) const {
  return ToPixels(rect, BaseUnits{baseUnitX_, baseUnitY_}, zoom_);
}

void Dialog::DispatchNotification(Notification& notification) {
  for (const auto& route : routers_) {
    if (route(notification)) return;
  }
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(kIdOk);
}

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::OnSize(int, int) {}

}  // namespace tallyfox
