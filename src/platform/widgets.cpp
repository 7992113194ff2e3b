// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/widgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QValidator>
#include <algorithm>
#include <optional>

#include "platform/accessible.h"
#include "platform/dialog.h"
#include "platform/touch.h"
#include "platform/zoom.h"
#include "res/accessible_names.h"
#include "res/images.h"

namespace tallyfox {

QString StaticCaption(std::u16string_view caption) { return ToQString(ShownCaption(caption)); }

namespace {

// A null pixmap where the picture has no such scale.
QPixmap LoadImage(int resource, int scale) {
  const QString scaleMark = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
  // Read as PNG alone: asked to load data, Qt first loads every image
  // plugin to ask it, which costs more than these small pictures.
  QImageReader reader(QStringLiteral(":/tallyfox/images/%1%2.png").arg(resource).arg(scaleMark),
                      "png");
  reader.setAutoDetectImageFormat(false);
  QPixmap pixmap = QPixmap::fromImage(reader.read());
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

}  // namespace

QPixmap ImagePixmap(int resource, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    QPixmap sharp = LoadImage(resource, 2);
    if (!sharp.isNull()) return sharp;
  }
  return LoadImage(resource, 1);
}

QIcon ImageIcon(int resource) {
  QIcon icon;
  for (int scale : {1, 2}) {
    QPixmap pixmap = LoadImage(resource, scale);
    pixmap.setDevicePixelRatio(1.0);  // each size stands as itself among the icon's sizes
    if (!pixmap.isNull()) icon.addPixmap(pixmap);
  }
  return icon;
}

namespace {

// On this desktop a reader takes a drop-down list's name from its entry and
// hears its label through the label's buddy: the label beside it where that
// says the name, else one of its own that is never shown.
void LabelDropDown(QWidget* list, const QString& name) {
  for (auto* label : list->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (ToQString(SpokenCaption(FromQString(label->text()))) == name) {
      label->setBuddy(list);
      return;
    }
  }
  auto* label = new QLabel(QString(name).replace(u'&', QStringLiteral("&&")), list->parentWidget());
  label->hide();
  label->setBuddy(list);
}

}  // namespace

void SetAccessibleNames(std::span<const ItemTemplate> items,
                        const std::vector<std::unique_ptr<Control>>& controls) {
  const std::vector<std::u16string> names = AccessibleNames(items);
  for (std::size_t i = 0; i < names.size() && i < controls.size(); ++i) {
    if (names[i].empty()) continue;
    QWidget* widget = WidgetOf(*controls[i]);
    widget->setAccessibleName(ToQString(names[i]));
    if (items[i].kind == ControlKind::DropDownList) LabelDropDown(widget, ToQString(names[i]));
  }
}

DialogWidget::DialogWidget(Dialog& owner, QWidget* parent, bool child)
    : QDialog(parent), owner_(owner), child_(child) {
  InstallAccessibleAccounts();
  // QDialog makes itself a window; a page lives inside its parent.
  if (child) {
    setWindowFlags(Qt::Widget);
    return;
  }
  scroller_ = new QScrollArea(this);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setAlignment(Qt::AlignCenter);
  content_ = new QWidget;
  scroller_->setWidget(content_);
  EnableTouchScrolling(scroller_);
  InstallLongPressMenus();
}

void DialogWidget::FitToContent(QSize content, QSize smallest) {
  content_->resize(content);
  if (child_) return;
  QSize size = content;
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown != nullptr) {
    const QRect room = shown->availableGeometry();
    const QSize frame = isVisible() ? frameGeometry().size() - this->size() : QSize(0, 0);
    const QSize most = room.size() - frame;
    // Where one side is cut, its scroll bar takes room along the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
    if (size.width() > most.width()) size.rheight() += bar;
    if (size.height() > most.height()) size.rwidth() += bar;
    size = size.boundedTo(most);
    setMinimumSize(smallest.boundedTo(most));
    givenSize_ = size;
    resize(size);
    // A window that grew past the screen's edge comes back onto it.
    if (isVisible()) {
      QRect placed = frameGeometry();
      placed.moveRight(std::min(placed.right(), room.right()));
      placed.moveBottom(std::min(placed.bottom(), room.bottom()));
      placed.moveLeft(std::max(placed.left(), room.left()));
      placed.moveTop(std::max(placed.top(), room.top()));
      if (placed.topLeft() != frameGeometry().topLeft()) move(placed.topLeft());
    }
    return;
  }
  givenSize_ = size;
  resize(size);
}

// A page's window goes with its parent's; its Dialog must then forget it.
DialogWidget::~DialogWidget() { owner_.ForgetWindow(); }

namespace {

// Ctrl+Plus (also Ctrl+=, where + takes Shift), Ctrl+Minus, Ctrl+0: +1, -1, 0.
std::optional<int> ZoomStep(const QKeyEvent& event) {
  if (!(event.modifiers() & Qt::ControlModifier)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return 1;
    case Qt::Key_Minus:
      return -1;
    case Qt::Key_0:
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The caption's close button is the window's OK: data exchange, then end.
  event->ignore();
  if (!child_) owner_.DispatchOk();
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape && !child_) {
    owner_.DispatchCancel();
    return;
  }
  if (event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Q) && !child_) {
    owner_.DispatchQuit();
    return;
  }
  if (const std::optional<int> step = ZoomStep(*event)) {
    // A page hands the zoom keys up to the window that holds it.
    if (child_) {
      event->ignore();
    } else {
      owner_.DispatchZoomKey(*step);
    }
    return;
  }
  if (key == Qt::Key_Enter || key == Qt::Key_Return) {
    // A page without a default button hands Enter up to the window that holds it.
    if (!owner_.DispatchEnter()) event->ignore();
    return;
  }
  if (key == Qt::Key_Escape) {
    event->ignore();  // a page hands Escape up
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWidget::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (scroller_ != nullptr) scroller_->setGeometry(rect());
  owner_.DispatchSize(width(), height());
  if (!child_ && size() != givenSize_) {
    givenSize_ = size();
    owner_.DispatchResizedFromOutside(width(), height());
  }
}

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), tabBar_(new QTabBar(this)) {
  tabBar_->setDrawBase(true);
  tabBar_->setExpanding(false);
  ApplyZoom();
  const auto bind = [this](Qt::KeyboardModifiers modifiers, Qt::Key key, int step) {
    auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(modifiers, key)), this);
    QObject::connect(shortcut, &QShortcut::activated, this, [this, step] { StepTab(step); });
  };
  bind(Qt::ControlModifier, Qt::Key_Tab, 1);
  bind(Qt::ControlModifier, Qt::Key_PageDown, 1);
  bind(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab, -1);
  bind(Qt::ControlModifier, Qt::Key_PageUp, -1);
}

// Selecting the tab from here is the user's choice, so the owner hears of it.
void TabControlWidget::StepTab(int step) {
  const int count = tabBar_->count();
  if (count == 0) return;
  tabBar_->setCurrentIndex((tabBar_->currentIndex() + step + count) % count);
}

// A widget with a style sheet keeps the font it had when the sheet was set,
// so the zoomed font is handed to the strip with a new sheet.
void TabControlWidget::ApplyZoom() {
  tabBar_->setStyleSheet({});
  tabBar_->setFont(window()->font());
  // Narrow tabs, so that all five fit across a narrow screen.
  tabBar_->setStyleSheet(
      QStringLiteral("QTabBar::tab { padding: %1px %2px; }").arg(Zoomed(3)).arg(Zoomed(5)));
  tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
}

void TabControlWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
}

namespace {

// Struck through in the palette's dimmed text colour, which a dark scheme
// keeps readable on its own background.
void CrossOut(QStyleOptionViewItem& look) {
  look.font.setStrikeOut(true);
  look.palette.setColor(QPalette::Text, look.palette.color(QPalette::PlaceholderText));
}

// The keys that move in a list also choose. Where the focus already stands
// on the only entry, they would move nowhere and leave it unchosen.
void ChooseWhereMoved(QAbstractItemView& view, const QKeyEvent& event) {
  static constexpr Qt::Key kMoves[] = {Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Home,
                                       Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
  const bool moved =
      std::find(std::begin(kMoves), std::end(kMoves), event.key()) != std::end(kMoves);
  QItemSelectionModel* selection = view.selectionModel();
  if (moved && !selection->hasSelection() && view.currentIndex().isValid()) {
    selection->select(view.currentIndex(),
                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

// Paints each row on the background its owner chose.
class RowBackgroundDelegate : public QStyledItemDelegate {
 public:
  explicit RowBackgroundDelegate(ListViewWidget* view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (view_->rowBackground) {
      const Rgb color = view_->rowBackground(index.row());
      painter->fillRect(option.rect, QColor(color.red, color.green, color.blue));
    }
    QStyleOptionViewItem look(option);
    if (view_->rowCrossedOut && view_->rowCrossedOut(index.row())) CrossOut(look);
    QStyledItemDelegate::paint(painter, look, index);
  }

 private:
  ListViewWidget* view_;
};

}  // namespace

namespace {

// A cell's length takes one unit below 0x8000; a longer one takes two, the
// first marked by its top bit and holding the high bits.
constexpr char16_t kLongLength = 0x8000;

void AppendLength(QString& cells, qsizetype length) {
  if (length < kLongLength) {
    cells.append(QChar(static_cast<char16_t>(length)));
    return;
  }
  cells.append(QChar(static_cast<char16_t>(kLongLength | (length >> 15))));
  cells.append(QChar(static_cast<char16_t>(length & (kLongLength - 1))));
}

// Where a cell lies in a row's string: its length from `start`, its text from
// `text` to `end`. A column past the row's last cell lies at the string's
// end, `index` then being the number of cells the row has.
struct CellPlace {
  qsizetype start;
  qsizetype text;
  qsizetype end;
  int index;
};

CellPlace FindCell(const QString& cells, int column) {
  qsizetype at = 0;
  int index = 0;
  while (at < cells.size()) {
    qsizetype length = cells[at].unicode();
    qsizetype text = at + 1;
    if ((length & kLongLength) != 0) {
      length = ((length & (kLongLength - 1)) << 15) | cells[text].unicode();
      ++text;
    }
    if (index == column) return CellPlace{at, text, text + length, index};
    at = text + length;
    ++index;
  }
  return CellPlace{at, at, at, index};
}

QStringView CellView(const QString& cells, int column) {
  const CellPlace place = FindCell(cells, column);
  return QStringView(cells).sliced(place.text, place.end - place.text);
}

// The row's string with [from, to) replaced, in a string of its exact size:
// thousands of rows leave no spare capacity behind.
QString Spliced(const QString& cells, qsizetype from, qsizetype to, const QString& middle) {
  QString result;
  result.reserve(cells.size() - (to - from) + middle.size());
  result.append(QStringView(cells).first(from));
  result.append(middle);
  result.append(QStringView(cells).sliced(to));
  return result;
}

QString WithCell(const QString& cells, int column, QStringView text) {
  const CellPlace place = FindCell(cells, column);
  QString cell(column - place.index, QChar(0));  // empty cells up to the column
  AppendLength(cell, text.size());
  cell.append(text);
  return Spliced(cells, place.start, place.end, cell);
}

static_assert(((kRowFocused | kRowSelected | kRowTicked | kRowUnticked) >> 16) == 0);

}  // namespace

// Columns come and go only with the table empty: no cell is ever shifted.
void ListViewModel::SetColumns(std::vector<Column> columns) {
  beginResetModel();
  rows_.clear();
  columns_ = std::move(columns);
  endResetModel();
}

QString ListViewModel::Heading(int column) const {
  return column >= 0 && column < Columns() ? columns_[column].heading : QString();
}

int ListViewModel::InsertRow(int index, const QString& text, bool tickBox) {
  const int at = std::clamp(index, 0, Rows());
  Row row;
  row.cells = WithCell(QString(), 0, text);
  if (tickBox) row.tick = Qt::Unchecked;
  beginInsertRows({}, at, at);
  rows_.insert(rows_.begin() + at, std::move(row));
  endInsertRows();
  return at;
}

void ListViewModel::RemoveRow(int row) {
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void ListViewModel::Clear() {
  beginResetModel();
  rows_ = std::vector<Row>();  // gives the memory back, not only the rows
  endResetModel();
}

QString ListViewModel::Cell(int row, int column) const {
  return CellView(rows_[row].cells, column).toString();
}

void ListViewModel::SetCell(int row, int column, const QString& text) {
  QString& cells = rows_[row].cells;
  const CellPlace place = FindCell(cells, column);
  if (place.index == column &&
      QStringView(cells).sliced(place.text, place.end - place.text) == text) {
    return;
  }
  cells = WithCell(cells, column, text);
  if (column < columnCount()) emit dataChanged(index(row, column), index(row, column));
}

bool ListViewModel::IsTicked(int row) const { return rows_[row].tick == Qt::Checked; }

void ListViewModel::SetTick(int row, Qt::CheckState state) {
  if (rows_[row].tick == state) return;
  rows_[row].tick = static_cast<std::uint8_t>(state);
  // The whole row: its owner may draw a ticked row otherwise.
  emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::CheckStateRole});
}

void ListViewModel::SetReportedState(int row, std::uint32_t state) {
  rows_[row].reported = static_cast<std::uint16_t>(state);
}

int ListViewModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows();
}

int ListViewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(1, Columns());
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[index.row()];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return CellView(row.cells, column).toString();
    case Qt::TextAlignmentRole:
      if (column < Columns()) return columns_[column].align.toInt();
      break;
    case Qt::CheckStateRole:
      if (column == 0 && row.tick != kNoTick) return static_cast<int>(row.tick);
      break;
    default:
      break;
  }
  return {};
}

// The view ticks a row through here, by the mouse or the space bar.
bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole) return false;
  SetTick(index.row(), static_cast<Qt::CheckState>(value.toInt()));
  return true;
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return Heading(section);
  if (role == Qt::TextAlignmentRole && section < Columns()) return columns_[section].align.toInt();
  return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

ListViewWidget::ListViewWidget(QWidget* parent)
    : QTreeView(parent), items_(new ListViewModel(this)) {
  setModel(items_);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setItemsExpandable(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setAllColumnsShowFocus(true);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  setItemDelegate(new RowBackgroundDelegate(this));
  header()->setSectionHidden(0, true);  // a tree always has a column; none is shown yet
}

// Space ticks the current row whichever of its cells has the focus; the
// view itself ticks only from the first column.
void ListViewWidget::keyPressEvent(QKeyEvent* event) {
  const QModelIndex current = currentIndex();
  if (tickBoxes_ && current.isValid() && event->key() == Qt::Key_Space &&
      event->modifiers() == Qt::NoModifier) {
    const int row = current.row();
    items_->setData(items_->index(row, 0), items_->IsTicked(row) ? Qt::Unchecked : Qt::Checked,
                    Qt::CheckStateRole);
    return;
  }
  QTreeView::keyPressEvent(event);
  ChooseWhereMoved(*this, *event);
}

namespace {

// Check boxes, radio buttons and the lists' tick boxes grow with the zoom,
// which the style does not know of; a list's tick box takes a finger's size
// on a touch screen.
class ZoomedIndicators : public QProxyStyle {
 public:
  // Whether the mnemonics are underlined is the application style's to say:
  // it shows them only while Alt is held.
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_UnderlineShortcut) {
      return QApplication::style()->styleHint(hint, option, widget, data);
    }
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int usual = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
        if (dynamic_cast<const ListViewWidget*>(widget) != nullptr) {
          return TickBoxSide(Zoomed(usual));
        }
        return Zoomed(usual);
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
        return Zoomed(usual);
      default:
        return usual;
    }
  }
};

// One for the whole program, made with the first control that needs it.
QStyle* IndicatorStyle() {
  static QPointer<ZoomedIndicators> style;
  if (style == nullptr) {
    style = new ZoomedIndicators;
    style->setParent(qApp);
  }
  return style;
}

Qt::Alignment EditAlignment(std::uint32_t style) {
  if (style & kAlignRight) return Qt::AlignRight | Qt::AlignVCenter;
  if (style & kAlignCenter) return Qt::AlignHCenter | Qt::AlignVCenter;
  return Qt::AlignLeft | Qt::AlignVCenter;
}

// Qt lets Tab reach only the checked button of a group and leaves the others
// to the arrow keys; a radio button that its template makes a tab stop keeps
// a stop of its own, as the dialogs were laid out for.
class RadioButtonWidget : public QRadioButton {
 public:
  RadioButtonWidget(const QString& caption, QWidget* parent, bool tabStop)
      : QRadioButton(caption, parent), tabStop_(tabStop) {}

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    KeepGroupTabStops();
  }

 private:
  void KeepGroupTabStops() {
    const QList<QAbstractButton*> buttons =
        group() != nullptr ? group()->buttons() : QList<QAbstractButton*>{this};
    for (QAbstractButton* button : buttons) {
      auto* radio = dynamic_cast<RadioButtonWidget*>(button);
      if (radio != nullptr && radio->tabStop_) {
        radio->setFocusPolicy(Qt::FocusPolicy(radio->focusPolicy() | Qt::TabFocus));
      }
    }
  }

  bool tabStop_;
};

QWidget* MakeButton(const ItemTemplate& item, QWidget* parent) {
  const QString caption = ToQString(item.caption);
  switch (item.kind) {
    case ControlKind::CheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setStyle(IndicatorStyle());
      return box;
    }
    case ControlKind::RadioButton: {
      auto* radio = new RadioButtonWidget(caption, parent, (item.style & kTabStop) != 0);
      radio->setStyle(IndicatorStyle());
      return radio;
    }
    default: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
  }
}

// Lets through the digits 0 to 9 alone. A regular expression would say the
// same, but every box would compile its own, and the Sale page has 32.
class DigitsValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return std::all_of(input.cbegin(), input.cend(), isDigit) ? Acceptable : Invalid;
  }
};

// A click into a number box selects all it holds, as Tab does, so that
// typing replaces the value instead of adding to it ("1" and 3 making "13").
class NumberEditWidget : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    focusingClick_ = event->reason() == Qt::MouseFocusReason;
  }
  void mousePressEvent(QMouseEvent* event) override {
    QLineEdit::mousePressEvent(event);
    if (focusingClick_) selectAll();
  }
  // The click that brought the focus keeps its selection of everything.
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!focusingClick_) QLineEdit::mouseMoveEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLineEdit::mouseReleaseEvent(event);
    focusingClick_ = false;
  }

 private:
  bool focusingClick_ = false;
};

class ListBoxWidget : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    QListWidget::keyPressEvent(event);
    ChooseWhereMoved(*this, *event);
  }
};

QWidget* MakeEdit(const ItemTemplate& item, QWidget* parent) {
  const QString text = ToQString(item.caption);
  auto* edit =
      (item.style & kNumber) ? new NumberEditWidget(text, parent) : new QLineEdit(text, parent);
  edit->setReadOnly(item.style & kReadOnly);
  edit->setAlignment(EditAlignment(item.style));
  edit->setFrame(true);
  if (item.style & kDigitsOnly) {
    edit->setValidator(new DigitsValidator(edit));
  }
  edit->setInputMethodHints(InputHintsFor(item.style));
  return edit;
}

QWidget* MakeStatic(const ItemTemplate& item, QWidget* parent) {
  auto* label = new QLabel(StaticCaption(item.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment((EditAlignment(item.style) & ~Qt::AlignVCenter) | Qt::AlignTop);
  return label;
}

// A typed entry stays as typed: no entry is added, and completion keeps the
// letter case the user chose.
QWidget* MakeComboBox(const ItemTemplate& item, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  if (item.style & kTypedEntry) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
  }
  return combo;
}

QWidget* MakeListWidget(const ItemTemplate& item, QWidget* parent) {
  switch (item.kind) {
    case ControlKind::DropDownList:
      return MakeComboBox(item, parent);
    case ControlKind::ListBox: {
      auto* list = new ListBoxWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      EnableTouchScrolling(list);
      return list;
    }
    case ControlKind::ListView: {
      auto* view = new ListViewWidget(parent);
      view->setHeaderHidden(item.style & kNoColumnHeader);
      view->setStyle(IndicatorStyle());
      EnableTouchScrolling(view);
      return view;
    }
    default:
      return new TabControlWidget(parent);
  }
}

QWidget* MakeWidget(const ItemTemplate& item, QWidget* parent) {
  switch (item.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      return MakeButton(item, parent);
    case ControlKind::Edit:
      return MakeEdit(item, parent);
    case ControlKind::StaticText:
    case ControlKind::Picture:
      return MakeStatic(item, parent);
    case ControlKind::DropDownList:
    case ControlKind::ListBox:
    case ControlKind::ListView:
    case ControlKind::TabControl:
      return MakeListWidget(item, parent);
  }
  return nullptr;
}

void Notify(const Control& control, tallyfox::Notify code) {
  Notification notification;
  notification.code = code;
  SendFrom(control, notification);
}

// While the control itself changes its rows it blocks the view's signals:
// those changes are the owner's own doing and tell it nothing. The
// selection still reports, as a removed row takes its selection with it.
void ConnectListView(ListView& control) {
  auto* view = static_cast<ListViewWidget*>(WidgetOf(control));
  view->rowBackground = [&control](int row) { return control.RowBackground(row); };
  view->rowCrossedOut = [&control](int row) { return control.IsRowCrossedOut(row); };
  QObject::connect(&view->Items(), &QAbstractItemModel::dataChanged, view,
                   [&control, view](const QModelIndex& first, const QModelIndex& last) {
                     if (view->signalsBlocked()) return;
                     for (int row = first.row(); row <= last.row(); ++row) {
                       ReportRowChange(control, row);
                     }
                   });
  QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, view,
                   [&control, view](const QModelIndex& current, const QModelIndex& previous) {
                     if (view->signalsBlocked()) return;
                     if (previous.isValid()) ReportRowChange(control, previous.row());
                     if (current.isValid()) ReportRowChange(control, current.row());
                   });
  QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                   [&control](const QItemSelection& selected, const QItemSelection& gone) {
                     for (const QItemSelection* part : {&gone, &selected}) {
                       for (const QModelIndex& index : part->indexes()) {
                         if (index.column() == 0) ReportRowChange(control, index.row());
                       }
                     }
                   });
}

// Ties a widget's user-input signals to notifications of its control.
void ConnectSignals(Control& control) {
  QWidget* widget = WidgetOf(control);
  switch (control.kind()) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                       [&control] { Notify(control, Notify::Clicked); });
      break;
    case ControlKind::Edit:
      QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited,
                       [&control] { Notify(control, Notify::TextChange); });
      break;
    case ControlKind::DropDownList:
      QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::activated,
                       [&control] { Notify(control, Notify::SelChange); });
      break;
    case ControlKind::ListBox:
      QObject::connect(static_cast<QListWidget*>(widget), &QListWidget::itemSelectionChanged,
                       [&control] { Notify(control, Notify::SelChange); });
      break;
    case ControlKind::TabControl:
      QObject::connect(static_cast<TabControlWidget*>(widget)->tabBar(), &QTabBar::currentChanged,
                       [&control] { Notify(control, Notify::SelChange); });
      break;
    case ControlKind::ListView:
      ConnectListView(static_cast<ListView&>(control));
      break;
    case ControlKind::StaticText:
    case ControlKind::Picture:
      break;
  }
}

std::unique_ptr<Control> WrapWidget(const ItemTemplate& item, QWidget* widget, Control::Sink sink) {
  switch (item.kind) {
    case ControlKind::PushButton:
      return std::make_unique<Button>(item, widget, std::move(sink));
    case ControlKind::CheckBox:
      return std::make_unique<CheckBox>(item, widget, std::move(sink));
    case ControlKind::RadioButton:
      return std::make_unique<RadioButton>(item, widget, std::move(sink));
    case ControlKind::Edit:
      return std::make_unique<Edit>(item, widget, std::move(sink));
    case ControlKind::StaticText:
      return std::make_unique<StaticText>(item, widget, std::move(sink));
    case ControlKind::Picture:
      return std::make_unique<Picture>(item, widget, std::move(sink));
    case ControlKind::DropDownList:
      return std::make_unique<DropDownList>(item, widget, std::move(sink));
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(item, widget, std::move(sink));
    case ControlKind::ListView:
      return std::make_unique<ListView>(item, widget, std::move(sink));
    case ControlKind::TabControl:
      return std::make_unique<TabControl>(item, widget, std::move(sink));
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<Control> MakeControl(const ItemTemplate& item, QWidget* parent,
                                     const PixelRect& rect, Control::Sink sink) {
  QWidget* widget = MakeWidget(item, parent);
  auto control = WrapWidget(item, widget, std::move(sink));
  control->Move(rect);
  if (auto* picture = dynamic_cast<Picture*>(control.get())) picture->SetImage(item.resource);
  const bool takesFocus = item.kind != ControlKind::StaticText && item.kind != ControlKind::Picture;
  widget->setFocusPolicy(!takesFocus               ? Qt::NoFocus
                         : (item.style & kTabStop) ? Qt::StrongFocus
                                                   : Qt::ClickFocus);
  if (item.style & kDisabled) widget->setEnabled(false);
  if (item.style & kHidden) widget->hide();
  ConnectSignals(*control);
  if (auto* list = dynamic_cast<ListControl*>(control.get())) {
    for (std::u16string_view entry : item.entries) list->AddString(entry);
  }
  return control;
}

}  // namespace tallyfox
