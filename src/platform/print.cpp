// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/print.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>
#include <numeric>

#include "platform/widgets.h"

namespace tallyfox {
namespace {

const ScopedPrintToPdf* pdfTarget = nullptr;

constexpr qreal kBodyPoints = 10;
constexpr qreal kHeadingPoints = 15;
constexpr int kProgressAfterMs = 500;

QFont PrintFont(QPaintDevice& device, qreal points, bool bold) {
  QFont font(QGuiApplication::font(), &device);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Draws the page straight onto the device, page after page, with the column
// headings on each: thousands of rows take a moment, not a rich-text layout.
class SheetPainter {
 public:
  SheetPainter(QPagedPaintDevice& device, QPainter& painter, const ListSheet& page)
      : device_(device),
        painter_(painter),
        page_(page),
        body_(PrintFont(device, kBodyPoints, false)),
        bold_(PrintFont(device, kBodyPoints, true)),
        padding_(QFontMetricsF(body_).averageCharWidth() / 2),
        rowHeight_(QFontMetricsF(bold_).height() + padding_ * 2),
        widths_(ColumnWidths()) {}

  // False when the device refused a page or the user cancelled.
  bool Paint(QProgressDialog* progress) {
    DrawHeading();
    DrawRow(page_.columns, bold_);
    for (std::size_t row = 0; row < page_.rows.size(); ++row) {
      if (!RoomFor(rowHeight_)) {
        if (!NextPage()) return false;
        DrawRow(page_.columns, bold_);
        if (progress != nullptr) {
          progress->setValue(static_cast<int>(row));
          if (progress->wasCanceled()) return false;
        }
      }
      DrawRow(page_.rows[row], body_);
    }
    y_ += rowHeight_ / 2;
    for (const std::u16string& line : page_.totals) {
      if (!RoomFor(rowHeight_) && !NextPage()) return false;
      painter_.setFont(body_);
      painter_.drawText(QRectF(0, y_, Width(), rowHeight_), Qt::AlignRight | Qt::AlignVCenter,
                        ToQString(line));
      y_ += rowHeight_;
    }
    return true;
  }

 private:
  qreal Width() const { return device_.width(); }
  bool RoomFor(qreal height) const { return y_ + height <= device_.height(); }

  bool NextPage() {
    y_ = 0;
    return device_.newPage();
  }

  // Each column as wide as its widest text, all stretched or shrunk to the
  // page's width; a text still too wide is cut short with an ellipsis.
  std::vector<qreal> ColumnWidths() const {
    std::vector<qreal> widths(page_.columns.size(), padding_ * 2);
    const QFontMetricsF metrics(bold_);
    const auto widen = [&](const std::vector<std::u16string>& cells) {
      for (std::size_t c = 0; c < std::min(cells.size(), widths.size()); ++c) {
        widths[c] =
            std::max(widths[c], metrics.horizontalAdvance(ToQString(cells[c])) + padding_ * 2);
      }
    };
    widen(page_.columns);
    for (const auto& row : page_.rows) widen(row);
    const qreal total = std::accumulate(widths.begin(), widths.end(), qreal{0});
    for (qreal& width : widths) width *= Width() / total;
    return widths;
  }

  void DrawHeading() {
    const QFont heading = PrintFont(device_, kHeadingPoints, true);
    painter_.setFont(heading);
    const qreal height = QFontMetricsF(heading).height() * 1.5;
    painter_.drawText(QRectF(0, 0, Width(), height), Qt::AlignLeft | Qt::AlignTop,
                      ToQString(page_.title));
    y_ = height;
  }

  void DrawRow(const std::vector<std::u16string>& cells, const QFont& font) {
    painter_.setFont(font);
    const QFontMetricsF metrics(font);
    qreal x = 0;
    for (std::size_t c = 0; c < widths_.size(); ++c) {
      const QRectF cell(x, y_, widths_[c], rowHeight_);
      painter_.drawRect(cell);
      const QString text = c < cells.size() ? ToQString(cells[c]) : QString();
      const QRectF inside = cell.adjusted(padding_, 0, -padding_, 0);
      painter_.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter,
                        metrics.elidedText(text, Qt::ElideRight, inside.width()));
      x += widths_[c];
    }
    y_ += rowHeight_;
  }

  QPagedPaintDevice& device_;
  QPainter& painter_;
  const ListSheet& page_;
  QFont body_, bold_;
  qreal padding_;
  qreal rowHeight_;
  std::vector<qreal> widths_;
  qreal y_ = 0;
};

bool PaintOn(QPagedPaintDevice& device, const ListSheet& page, QProgressDialog* progress) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const bool painted = SheetPainter(device, painter, page).Paint(progress);
  return painter.end() && painted;
}

// Written whole or not at all: a full disk shows in the commit, which leaves
// no file of 0 bytes behind.
PrintResult PrintToPdf(const QString& fileName, const QPrinter& settings, const ListSheet& page,
                       QProgressDialog* progress) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return PrintResult::Failed;
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setPageLayout(settings.pageLayout());
    writer.setResolution(settings.resolution());
    writer.setTitle(ToQString(page.title));
    painted = PaintOn(writer, page, progress);
  }
  if (progress != nullptr && progress->wasCanceled()) return PrintResult::Cancelled;
  return painted && file.commit() ? PrintResult::Printed : PrintResult::Failed;
}

PrintResult PrintTo(QPrinter& printer, const ListSheet& page, QProgressDialog* progress) {
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    return PrintToPdf(printer.outputFileName(), printer, page, progress);
  }
  const bool painted = PaintOn(printer, page, progress);
  if (progress != nullptr && progress->wasCanceled()) {
    printer.abort();
    return PrintResult::Cancelled;
  }
  return painted && printer.printerState() != QPrinter::Error ? PrintResult::Printed
                                                              : PrintResult::Failed;
}

PrintResult PrintWithProgress(QWidget* window, QPrinter& printer, const ListSheet& page) {
  QProgressDialog progress(QStringLiteral("Printing\u2026"), QStringLiteral("Cancel"), 0,
                           static_cast<int>(page.rows.size()), window);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressAfterMs);
  return PrintTo(printer, page, &progress);
}

}  // namespace

PrintResult PrintWithDialog(const Control& near, const ListSheet& page) {
  QWidget* window = WidgetOf(near)->window();
  QPrinter printer(QPrinter::HighResolution);
  if (pdfTarget != nullptr) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfTarget->file().string()));
    return PrintWithProgress(window, printer, page);
  }
  QPrintDialog dialog(&printer, window);
  if (dialog.exec() != QDialog::Accepted) return PrintResult::Cancelled;
  return PrintWithProgress(window, printer, page);
}

ScopedPrintToPdf::ScopedPrintToPdf(std::filesystem::path file) : file_(std::move(file)) {
  pdfTarget = this;
}

ScopedPrintToPdf::~ScopedPrintToPdf() { pdfTarget = nullptr; }

}  // namespace tallyfox
