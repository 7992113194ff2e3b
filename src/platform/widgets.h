// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Qt widgets behind dialogs and controls. Only the platform layer (and
// its test seam) includes this header.

#include <QAbstractTableModel>
#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QScrollArea>
#include <QString>
#include <QTabBar>
#include <QTreeView>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/modal.h"

class QMessageBox;

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
  // Where the controls live: a page itself, or a canvas that scrolls inside
  // a top-level window when the window is smaller, and stands centred in it
  // when the window is larger.
  QWidget* content() const { return content_; }
  // A top-level window takes the content's size, and never less than
  // `smallest`, within the screen's available room.
  void FitToContent(QSize content, QSize smallest);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Dialog& owner_;
  bool child_;
  QScrollArea* scroller_ = nullptr;
  QWidget* content_ = this;
  QSize givenSize_;  // the size the program last gave the window
};

// A tab strip over an area that holds the pages; the pages are children of
// this widget, placed by their owner. Ctrl+Tab and Ctrl+PageDown go to the
// next page, Ctrl+Shift+Tab and Ctrl+PageUp to the one before.
class TabControlWidget : public QWidget {
 public:
  explicit TabControlWidget(QWidget* parent);
  QTabBar* tabBar() const { return tabBar_; }
  // The strip's font and padding at the zoom in force.
  void ApplyZoom();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StepTab(int step);

  QTabBar* tabBar_;
};

// The rows and columns of a list view. A list may hold many thousand rows, so
// each row is one string with its cells in it and a few bytes of state;
// alignment belongs to the column. With no column, one hidden column stays,
// as a tree view always has one.
class ListViewModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  struct Column {
    QString heading;
    Qt::Alignment align;
    int width;  // pixels at the normal zoom
  };

  int Columns() const { return static_cast<int>(columns_.size()); }
  // Empties the table and gives it these columns; none leaves the one column a
  // tree view keeps, hidden.
  void SetColumns(std::vector<Column> columns);
  QString Heading(int column) const;
  int Width(int column) const { return columns_[column].width; }

  int Rows() const { return static_cast<int>(rows_.size()); }
  // Gives the row's place; `tickBox` gives the new row an unticked box.
  int InsertRow(int index, const QString& text, bool tickBox);
  void RemoveRow(int row);
  void Clear();
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  bool IsTicked(int row) const;
  // Also gives the row a tick box if it had none.
  void SetTick(int row, Qt::CheckState state);
  // The state a row last told its owner of.
  std::uint32_t ReportedState(int row) const { return rows_[row].reported; }
  void SetReportedState(int row, std::uint32_t state);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Row {
    QString cells;               // each cell as its length, then its text
    std::uint16_t reported = 0;  // the row-state bits all fit in 16
    std::uint8_t tick = kNoTick;
  };
  static constexpr std::uint8_t kNoTick = 0xFF;

  std::vector<Column> columns_;
  std::vector<Row> rows_;
};

// Report-view list with tick boxes, full-row selection and per-row drawing
// decided by the owner.
class ListViewWidget : public QTreeView {
 public:
  explicit ListViewWidget(QWidget* parent);

  ListViewModel& Items() const { return *items_; }
  void SetTickBoxes(bool on) { tickBoxes_ = on; }
  bool tickBoxes() const { return tickBoxes_; }
  // Asks the owner for a row's background through the custom-draw stages.
  std::function<Rgb(int row)> rowBackground;
  std::function<bool(int row)> rowCrossedOut;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ListViewModel* items_;
  bool tickBoxes_ = false;
};

// Tells a list view's owner that a row's state (focus, selection, tick) has
// changed since it last told, with the state before and after.
void ReportRowChange(const ListView& control, int row);

// A message box as MessageBox shows it: titled "Tallyfox", and a question
// (Yes and No) with No as its default button.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, std::u16string_view text,
                                            MessageButtons buttons);

// Builds the control of a template item, widget and wrapper.
std::unique_ptr<Control> MakeControl(const ItemTemplate& item, QWidget* parent,
                                     const PixelRect& rect, Control::Sink sink);

}  // namespace tallyfox
