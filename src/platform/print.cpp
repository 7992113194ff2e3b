// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/print.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QWidget>

#include "platform/widgets.h"

namespace tallyfox {
namespace {

const ScopedPrintToPdf* pdfTarget = nullptr;

QString Escaped(const std::u16string& text) { return ToQString(text).toHtmlEscaped(); }

QString TableRow(const std::vector<std::u16string>& cells, const char* tag) {
  QString row = QStringLiteral("<tr>");
  for (const std::u16string& cell : cells) {
    row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), Escaped(cell));
  }
  return row + QStringLiteral("</tr>");
}

QString PageHtml(const PrintedPage& page) {
  QString html = QStringLiteral("<h2>%1</h2>").arg(Escaped(page.heading));
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">");
  html += TableRow(page.columns, "th");
  for (const std::vector<std::u16string>& row : page.rows) html += TableRow(row, "td");
  html += QStringLiteral("</table>");
  for (const std::u16string& line : page.footer) {
    html += QStringLiteral("<p align=\"right\">%1</p>").arg(Escaped(line));
  }
  return html;
}

}  // namespace

void PrintPage(QPrinter& printer, const PrintedPage& page) {
  QTextDocument document;
  document.setHtml(PageHtml(page));
  document.print(&printer);
}

void PrintWithDialog(const Control& near, const PrintedPage& page) {
  if (pdfTarget != nullptr) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdfTarget->file().string()));
    PrintPage(printer, page);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, WidgetOf(near)->window());
  if (dialog.exec() == QDialog::Accepted) PrintPage(printer, page);
}

ScopedPrintToPdf::ScopedPrintToPdf(std::filesystem::path file) : file_(std::move(file)) {
  pdfTarget = this;
}

ScopedPrintToPdf::~ScopedPrintToPdf() { pdfTarget = nullptr; }

}  // namespace tallyfox
