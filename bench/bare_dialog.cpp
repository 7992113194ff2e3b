// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the start-up measurement: a Qt dialog with five empty
// tabs and nothing else, built and started the way the program is.

#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  auto* tabs = new QTabWidget(&dialog);
  for (const char* caption : {"Sale", "Discount", "Shoplist", "Converter", "About"}) {
    tabs->addTab(new QWidget, QString::fromLatin1(caption));
  }
  (new QVBoxLayout(&dialog))->addWidget(tabs);
  dialog.setWindowTitle(QStringLiteral("Bare dialog"));
  return dialog.exec();
}
