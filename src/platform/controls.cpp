// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "platform/widgets.h"
#include "platform/zoom.h"

namespace tallyfox {
namespace {

template <class W>
W* As(QWidget* widget) {
  return static_cast<W*>(widget);
}

Qt::Alignment ToQtAlign(ColumnAlign align) {
  switch (align) {
    case ColumnAlign::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case ColumnAlign::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// Entries of list boxes and drop-down lists, behind one interface.
struct Entries {
  QWidget* widget;
  bool isCombo;

  int Count() const {
    return isCombo ? As<QComboBox>(widget)->count() : As<QListWidget>(widget)->count();
  }
  QString At(int index) const {
    return isCombo ? As<QComboBox>(widget)->itemText(index)
                   : As<QListWidget>(widget)->item(index)->text();
  }
  void Insert(int index, const QString& text) const {
    if (isCombo) {
      As<QComboBox>(widget)->insertItem(index, text);
    } else {
      As<QListWidget>(widget)->insertItem(index, text);
    }
  }
};

}  // namespace

Control::Control(const ItemTemplate& item, QWidget* widget, Sink sink)
    : sink_(std::move(sink)), id_(item.id), kind_(item.kind), widget_(widget) {}

Control::~Control() = default;

void Control::Send(Notification& notification) const {
  notification.id = id_;
  if (sink_) sink_(notification);
}

std::u16string Control::Text() const { return {}; }
void Control::SetText(std::u16string_view) {}

std::u16string Button::Text() const { return FromQString(As<QAbstractButton>(widget())->text()); }

void Button::SetText(std::u16string_view text) {
  const QString value = ToQString(text);
  As<QAbstractButton>(widget())->setText(value);
  // A button named for what it does still tells what it shows.
  if (!widget()->accessibleName().isEmpty()) widget()->setAccessibleDescription(value);
}

std::u16string Edit::Text() const { return FromQString(As<QLineEdit>(widget())->text()); }

void Edit::SetText(std::u16string_view text) {
  auto* edit = As<QLineEdit>(widget());
  const QString value = ToQString(text);
  if (edit->text() == value) return;     // keeps the caret where the user is typing
  const QSignalBlocker quiet(widget());  // only the user's typing notifies
  edit->setText(value);
}

std::u16string StaticText::Text() const {
  return link_.empty() ? FromQString(As<QLabel>(widget())->text()) : linkText_;
}

void StaticText::SetText(std::u16string_view text) {
  auto* label = As<QLabel>(widget());
  if (link_.empty()) {
    label->setText(StaticCaption(text));
    return;
  }
  linkText_ = FromQString(StaticCaption(text));
  label->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                     .arg(ToQString(link_).toHtmlEscaped(), ToQString(linkText_).toHtmlEscaped()));
}

void StaticText::ShowAsLink(std::u16string_view address) {
  const std::u16string text = Text();
  link_ = address;
  auto* label = As<QLabel>(widget());
  label->setTextFormat(Qt::RichText);
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  label->setOpenExternalLinks(true);
  label->setFocusPolicy(Qt::StrongFocus);
  SetText(text);
}

std::u16string DropDownList::Text() const {
  return FromQString(As<QComboBox>(widget())->currentText());
}

void DropDownList::Move(const PixelRect& rect) {
  Control::Move({rect.x, rect.y, rect.width, std::min(rect.height, widget()->sizeHint().height())});
}

std::u16string ListBox::Text() const {
  const auto selected = As<QListWidget>(widget())->selectedItems();
  return selected.isEmpty() ? std::u16string() : FromQString(selected.front()->text());
}

void Control::Show(bool show) { widget_->setVisible(show); }
bool Control::IsVisible() const { return !widget_->isHidden(); }
void Control::Enable(bool enable) { widget_->setEnabled(enable); }
bool Control::IsEnabled() const { return widget_->isEnabled(); }
void Control::SetFocus() { widget_->setFocus(Qt::OtherFocusReason); }
bool Control::HasFocus() const { return widget_->hasFocus(); }
void Control::SetToolTip(std::u16string_view text) { widget_->setToolTip(ToQString(text)); }
std::u16string Control::ToolTip() const { return FromQString(widget_->toolTip()); }

void Control::Move(const PixelRect& rect) {
  widget_->setGeometry(rect.x, rect.y, rect.width, rect.height);
}

PixelRect Control::Rect() const {
  const QRect r = widget_->geometry();
  return PixelRect{r.x(), r.y(), r.width(), r.height()};
}

bool CheckBox::IsChecked() const { return As<QAbstractButton>(widget())->isChecked(); }
void CheckBox::SetChecked(bool checked) { As<QAbstractButton>(widget())->setChecked(checked); }
bool RadioButton::IsChecked() const { return As<QAbstractButton>(widget())->isChecked(); }

void RadioButton::SetChecked(bool checked) {
  auto* button = As<QAbstractButton>(widget());
  // An exclusive group refuses to uncheck its checked button; a group with
  // none checked is a state the windows may ask for.
  QButtonGroup* group = button->group();
  const bool unlock = !checked && group != nullptr && group->exclusive();
  if (unlock) group->setExclusive(false);
  button->setChecked(checked);
  if (unlock) group->setExclusive(true);
}

void Edit::SetReadOnly(bool readOnly) { As<QLineEdit>(widget())->setReadOnly(readOnly); }
bool Edit::IsReadOnly() const { return As<QLineEdit>(widget())->isReadOnly(); }
void Edit::SelectAll() { As<QLineEdit>(widget())->selectAll(); }

void Picture::SetImage(int resource) {
  resource_ = resource;
  auto* label = As<QLabel>(widget());
  const qreal ratio = label->devicePixelRatioF();
  QPixmap pixmap = ImagePixmap(resource, ratio * Zoom() / kNormalZoom);
  if (!pixmap.isNull() && Zoom() != kNormalZoom) {
    const QSize shown = pixmap.deviceIndependentSize().toSize() * Zoom() / kNormalZoom;
    pixmap = pixmap.scaled(shown * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
  }
  label->setPixmap(pixmap);
  if (!pixmap.isNull()) label->resize(pixmap.deviceIndependentSize().toSize());
}

void Picture::Move(const PixelRect& rect) {
  if (As<QLabel>(widget())->pixmap().isNull()) {
    Control::Move(rect);
  } else {
    widget()->move(rect.x, rect.y);
  }
}

ListControl::ListControl(const ItemTemplate& item, QWidget* widget, Sink sink)
    : Control(item, widget, std::move(sink)), sorted_((item.style & kSorted) != 0) {}

int ListControl::Count() const {
  return Entries{widget(), kind() == ControlKind::DropDownList}.Count();
}

int ListControl::AddString(std::u16string_view text) {
  const Entries entries{widget(), kind() == ControlKind::DropDownList};
  const QString value = ToQString(text);
  int index = entries.Count();
  if (sorted_) {
    // Case-insensitive alphabetical order; equal texts keep their arrival order.
    int low = 0;
    int high = index;
    while (low < high) {
      const int middle = (low + high) / 2;
      if (QString::compare(entries.At(middle), value, Qt::CaseInsensitive) <= 0) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    index = low;
  }
  const QSignalBlocker quiet(widget());
  entries.Insert(index, value);
  if (kind() == ControlKind::DropDownList && As<QComboBox>(widget())->count() == 1) {
    As<QComboBox>(widget())->setCurrentIndex(-1);  // adding selects nothing
  }
  return index;
}

void ListControl::DeleteString(int index) {
  const QSignalBlocker quiet(widget());
  if (kind() == ControlKind::DropDownList) {
    As<QComboBox>(widget())->removeItem(index);
    return;
  }
  auto* list = As<QListWidget>(widget());
  const QListWidgetItem* entry = list->item(index);
  const bool wasSelected = entry != nullptr && entry->isSelected();
  delete list->takeItem(index);
  // A list box is left with no selection when the selected entry goes, so
  // that nothing is chosen that the user did not choose; Qt would select the
  // next one.
  if (wasSelected) list->clearSelection();
}

void ListControl::ResetContent() {
  const QSignalBlocker quiet(widget());
  if (kind() == ControlKind::DropDownList) {
    As<QComboBox>(widget())->clear();
  } else {
    As<QListWidget>(widget())->clear();
  }
}

int ListControl::CurSel() const {
  if (kind() == ControlKind::DropDownList) return As<QComboBox>(widget())->currentIndex();
  auto* list = As<QListWidget>(widget());
  const auto selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

void ListControl::SetCurSel(int index) {
  const QSignalBlocker quiet(widget());
  if (kind() == ControlKind::DropDownList) {
    auto* combo = As<QComboBox>(widget());
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    return;
  }
  auto* list = As<QListWidget>(widget());
  list->clearSelection();
  if (index >= 0 && index < list->count()) list->setCurrentRow(index);
}

std::u16string ListControl::TextAt(int index) const {
  const Entries entries{widget(), kind() == ControlKind::DropDownList};
  if (index < 0 || index >= entries.Count()) return {};
  return FromQString(entries.At(index));
}

int ListControl::FindExact(std::u16string_view text) const {
  const Entries entries{widget(), kind() == ControlKind::DropDownList};
  const QString value = ToQString(text);
  for (int i = 0; i < entries.Count(); ++i) {
    if (QString::compare(entries.At(i), value, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

namespace {

ListViewWidget* View(QWidget* widget) { return As<ListViewWidget>(widget); }

bool HasRow(const ListViewWidget* view, int row) { return row >= 0 && row < view->Items().Rows(); }

std::uint32_t CurrentState(const ListViewWidget* view, int row) {
  std::uint32_t state = 0;
  const QModelIndex current = view->currentIndex();
  if (current.isValid() && current.row() == row) state |= kRowFocused;
  if (view->selectionModel()->rowIntersectsSelection(row, {})) state |= kRowSelected;
  if (view->tickBoxes()) state |= view->Items().IsTicked(row) ? kRowTicked : kRowUnticked;
  return state;
}

}  // namespace

void ListView::SetTickBoxes(bool on) {
  auto* view = View(widget());
  view->SetTickBoxes(on);
  const QSignalBlocker quiet(view);
  for (int row = 0; row < view->Items().Rows(); ++row) {
    if (on) view->Items().SetTick(row, Qt::Unchecked);
    view->Items().SetReportedState(row, CurrentState(view, row));
  }
}

void ListView::SetFullRowSelect(bool on) {
  View(widget())->setSelectionBehavior(on ? QAbstractItemView::SelectRows
                                          : QAbstractItemView::SelectItems);
}

void ListView::SetColumns(std::span<const ListColumn> columns) {
  auto* view = View(widget());
  std::vector<ListViewModel::Column> model;
  for (const ListColumn& column : columns) {
    model.push_back({ToQString(column.heading), ToQtAlign(column.align), column.width});
  }
  const QSignalBlocker quiet(view);
  view->Items().SetColumns(std::move(model));
  view->header()->setSectionHidden(0, columns.empty());
  ApplyZoom();
}

void ListView::ApplyZoom() {
  auto* view = View(widget());
  for (int column = 0; column < view->Items().Columns(); ++column) {
    view->setColumnWidth(column, Zoomed(view->Items().Width(column)));
  }
}

int ListView::ColumnCount() const { return View(widget())->Items().Columns(); }

std::u16string ListView::ColumnHeading(int index) const {
  return FromQString(View(widget())->Items().Heading(index));
}

int ListView::ColumnWidth(int index) const { return View(widget())->columnWidth(index); }

int ListView::InsertItem(int index, std::u16string_view text) {
  auto* view = View(widget());
  const QSignalBlocker quiet(view);
  const int at = view->Items().InsertRow(index, ToQString(text), view->tickBoxes());
  view->Items().SetReportedState(at, CurrentState(view, at));
  return at;
}

void ListView::SetItemText(int row, int column, std::u16string_view text) {
  auto* view = View(widget());
  if (!HasRow(view, row) || column < 0) return;
  const QSignalBlocker quiet(view);
  view->Items().SetCell(row, column, ToQString(text));
}

std::u16string ListView::ItemText(int row, int column) const {
  const auto* view = View(widget());
  if (!HasRow(view, row) || column < 0) return {};
  return FromQString(view->Items().Cell(row, column));
}

int ListView::ItemCount() const { return View(widget())->Items().Rows(); }

void ListView::DeleteItem(int row) {
  auto* view = View(widget());
  if (!HasRow(view, row)) return;
  const QSignalBlocker quiet(view);
  view->Items().RemoveRow(row);
}

void ListView::DeleteAllItems() {
  auto* view = View(widget());
  const QSignalBlocker quiet(view);
  view->selectionModel()->clear();  // the selected row reports that it no longer is
  view->Items().Clear();
}

bool ListView::IsTicked(int row) const {
  const auto* view = View(widget());
  return HasRow(view, row) && view->Items().IsTicked(row);
}

void ListView::SetTicked(int row, bool ticked) {
  auto* view = View(widget());
  if (HasRow(view, row)) view->Items().SetTick(row, ticked ? Qt::Checked : Qt::Unchecked);
}

std::uint32_t ListView::ItemState(int row) const {
  const auto* view = View(widget());
  return HasRow(view, row) ? CurrentState(view, row) : 0;
}

std::vector<int> ListView::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& index : View(widget())->selectionModel()->selectedIndexes()) {
    rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void ListView::SelectRow(int row) {
  auto* view = View(widget());
  if (!HasRow(view, row)) return;
  const QModelIndex index = view->Items().index(row, 0);
  view->setCurrentIndex(index);
  view->selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

Rgb ListView::RowBackground(int row) const {
  Notification whole;
  whole.code = Notify::CustomDraw;
  whole.drawStage = kDrawPrePaint;
  Send(whole);
  Rgb background;
  if ((whole.result & kDrawNotifyItemDraw) != 0) {
    Notification item;
    item.code = Notify::CustomDraw;
    item.drawStage = kDrawItemPrePaint;
    item.item = row;
    Send(item);
    background = item.textBackground;
  }
  return background;
}

void TabControl::InsertItem(int index, std::u16string_view text) {
  QTabBar* bar = As<TabControlWidget>(widget())->tabBar();
  const QSignalBlocker quiet(bar);
  bar->insertTab(index, ToQString(text));
}

int TabControl::ItemCount() const { return As<TabControlWidget>(widget())->tabBar()->count(); }

std::u16string TabControl::ItemText(int index) const {
  return FromQString(As<TabControlWidget>(widget())->tabBar()->tabText(index));
}

int TabControl::CurSel() const { return As<TabControlWidget>(widget())->tabBar()->currentIndex(); }

void TabControl::SetCurSel(int index) {
  QTabBar* bar = As<TabControlWidget>(widget())->tabBar();
  const QSignalBlocker quiet(bar);
  bar->setCurrentIndex(index);
}

PixelRect TabControl::ClientRect() const {
  return PixelRect{0, 0, widget()->width(), widget()->height()};
}

// Keeps the reported states of list-view rows in step and tells the owner
// of every change, with the state before and after.
void ReportRowChange(const ListView& control, int row) {
  auto* view = View(WidgetOf(control));
  if (!HasRow(view, row)) return;
  const std::uint32_t before = view->Items().ReportedState(row);
  const std::uint32_t after = CurrentState(view, row);
  if (before == after) return;
  view->Items().SetReportedState(row, after);
  Notification notification;
  notification.code = Notify::ItemChanged;
  notification.item = row;
  notification.oldState = before;
  notification.newState = after;
  SendFrom(control, notification);
}

}  // namespace tallyfox
