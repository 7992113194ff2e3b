#include "platform/widgets.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QValidator>
#include <algorithm>

#include "platform/dialog.h"
#include "res/accessible_names.h"
#include "res/images.h"

namespace tallyfox {

void ReportRowChange(const ListView& control, QTreeWidgetItem* item);

QString StaticCaption(std::u16string_view caption) { return ToQString(ShownCaption(caption)); }

namespace {

QPixmap LoadImage(int resource, int scale) {
  const auto bytes = ImageResource(resource, scale);
  QPixmap pixmap;
  if (!bytes.empty()) {
    // Read as PNG alone: asked to load data, Qt first loads every image
    // plugin to ask it, which costs more than these small pictures.
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    pixmap = QPixmap::fromImage(reader.read());
  }
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

void SetAccessibleNames(std::span<const ItemTemplate> items,
                        const std::vector<std::unique_ptr<Control>>& controls) {
  const std::vector<std::u16string> names = AccessibleNames(items);
  for (std::size_t i = 0; i < names.size() && i < controls.size(); ++i) {
    if (!names[i].empty()) controls[i]->widget()->setAccessibleName(ToQString(names[i]));
  }
}

DialogWidget::DialogWidget(Dialog& owner, QWidget* parent, bool child)
    : QDialog(parent), owner_(owner), child_(child) {
  // QDialog makes itself a window; a page lives inside its parent.
  if (child) setWindowFlags(Qt::Widget);
}

// A page's window goes with its parent's; its Dialog must then forget it.
DialogWidget::~DialogWidget() { owner_.ForgetWindow(); }

void DialogWidget::closeEvent(QCloseEvent* event) {
  // The caption's close button is the handheld's caption OK button.
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
  if (key == Qt::Key_Enter || key == Qt::Key_Return || key == Qt::Key_Escape) {
    event->ignore();  // no default button: Enter does nothing; a page hands Escape up
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWidget::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  owner_.DispatchSize(width(), height());
}

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), tabBar_(new QTabBar(this)) {
  tabBar_->setDrawBase(true);
  tabBar_->setExpanding(false);
  // Five tabs fit across a handheld's narrow screen, as they did there.
  tabBar_->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
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

void TabControlWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  tabBar_->setGeometry(0, 0, width(), tabBar_->sizeHint().height());
}

namespace {

// Paints each row on the background its owner chose.
class RowBackgroundDelegate : public QStyledItemDelegate {
 public:
  RowBackgroundDelegate(ListViewWidget* view) : QStyledItemDelegate(view), view_(view) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    if (view_->rowBackground) {
      const Rgb color = view_->rowBackground(index.row());
      painter->fillRect(option.rect, QColor(color.red, color.green, color.blue));
    }
    QStyledItemDelegate::paint(painter, option, index);
  }

 private:
  ListViewWidget* view_;
};

}  // namespace

ListViewWidget::ListViewWidget(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setItemsExpandable(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setAllColumnsShowFocus(true);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  setItemDelegate(new RowBackgroundDelegate(this));
  headerItem()->setText(0, QString());
  header()->setSectionHidden(0, true);  // a tree always has a column; none is shown yet
}

namespace {

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
      : QRadioButton(caption, parent), tabStop_(tabStop) {
    setAutoExclusive(false);  // the template's groups decide, not the parent
  }

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
    case ControlKind::CheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::RadioButton:
      return new RadioButtonWidget(caption, parent, (item.style & kTabStop) != 0);
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

QWidget* MakeEdit(const ItemTemplate& item, QWidget* parent) {
  auto* edit = new QLineEdit(ToQString(item.caption), parent);
  edit->setReadOnly(item.style & kReadOnly);
  edit->setAlignment(EditAlignment(item.style));
  edit->setFrame(true);
  if (item.style & kDigitsOnly) {
    edit->setValidator(new DigitsValidator(edit));
  }
  return edit;
}

QWidget* MakeStatic(const ItemTemplate& item, QWidget* parent) {
  auto* label = new QLabel(StaticCaption(item.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment((EditAlignment(item.style) & ~Qt::AlignVCenter) | Qt::AlignTop);
  return label;
}

QWidget* MakeListWidget(const ItemTemplate& item, QWidget* parent) {
  switch (item.kind) {
    case ControlKind::DropDownList:
      return new QComboBox(parent);
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      return list;
    }
    case ControlKind::ListView: {
      auto* view = new ListViewWidget(parent);
      view->setHeaderHidden(item.style & kNoColumnHeader);
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
    default:
      return MakeListWidget(item, parent);
  }
}

void Notify(const Control& control, tallyfox::Notify code) {
  Notification notification;
  notification.code = code;
  control.Send(notification);
}

void ConnectListView(ListView& control) {
  auto* view = static_cast<ListViewWidget*>(control.widget());
  view->rowBackground = [&control](int row) { return control.RowBackground(row); };
  QObject::connect(view, &QTreeWidget::itemChanged,
                   [&control](QTreeWidgetItem* item, int) { ReportRowChange(control, item); });
  QObject::connect(view, &QTreeWidget::currentItemChanged,
                   [&control](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                     if (previous) ReportRowChange(control, previous);
                     if (current) ReportRowChange(control, current);
                   });
  QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged,
                   [&control, view](const QItemSelection& selected, const QItemSelection& gone) {
                     for (const QItemSelection* part : {&gone, &selected}) {
                       for (const QModelIndex& index : part->indexes()) {
                         if (index.column() != 0) continue;
                         ReportRowChange(control, view->topLevelItem(index.row()));
                       }
                     }
                   });
}

// Ties a widget's user-input signals to notifications of its control.
void ConnectSignals(Control& control) {
  QWidget* widget = control.widget();
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
    case ControlKind::Picture:
      return std::make_unique<StaticText>(item, widget, std::move(sink));
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
  if (item.kind == ControlKind::Picture) static_cast<StaticText&>(*control).SetImage(item.resource);
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
