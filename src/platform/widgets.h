#pragma once

// The Qt widgets behind dialogs and controls. Only the platform layer (and
// its test seam) includes this header.

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QTabBar>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"

namespace tallyfox {

class Dialog;

inline QString ToQString(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string FromQString(const QString& text) { return text.toStdU16String(); }

// A static's caption as shown: "&&" is one ampersand and a lone "&" marks
// the next letter, which a label without a buddy does not underline.
QString StaticCaption(std::u16string_view caption);

// An image resource as drawn on a screen of this density: the double-size
// picture, where there is one, on a screen denser than usual.
QPixmap ImagePixmap(int resource, qreal devicePixelRatio);
// Every size of an image resource, so that each screen gets the sharpest.
QIcon ImageIcon(int resource);

// Gives each control of a window, built from `items` in order, the name a
// screen reader speaks.
void SetAccessibleNames(std::span<const ItemTemplate> items,
                        const std::vector<std::unique_ptr<Control>>& controls);

// The window of a Dialog: routes closing, keys and size to it.
class DialogWidget : public QDialog {
 public:
  DialogWidget(Dialog& owner, QWidget* parent, bool child);
  ~DialogWidget() override;
  Dialog& owner() const { return owner_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Dialog& owner_;
  bool child_;
};

// A tab strip over an area that holds the pages; the pages are children of
// this widget, placed by their owner. Ctrl+Tab and Ctrl+PageDown go to the
// next page, Ctrl+Shift+Tab and Ctrl+PageUp to the one before.
class TabControlWidget : public QWidget {
 public:
  explicit TabControlWidget(QWidget* parent);
  QTabBar* tabBar() const { return tabBar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StepTab(int step);

  QTabBar* tabBar_;
};

// Report-view list with tick boxes, full-row selection and per-row drawing
// decided by the owner.
class ListViewWidget : public QTreeWidget {
 public:
  explicit ListViewWidget(QWidget* parent);

  void SetTickBoxes(bool on) { tickBoxes_ = on; }
  bool tickBoxes() const { return tickBoxes_; }
  // Asks the owner for a row's background through the custom-draw stages.
  std::function<Rgb(int row)> rowBackground;

 private:
  bool tickBoxes_ = false;
};

// Builds the control of a template item, widget and wrapper.
std::unique_ptr<Control> MakeControl(const ItemTemplate& item, QWidget* parent,
                                     const PixelRect& rect, Control::Sink sink);

}  // namespace tallyfox
