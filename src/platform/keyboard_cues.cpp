// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keyboard_cues.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace tallyfox {
namespace {

class AltCueStyle : public QProxyStyle {
 public:
  explicit AltCueStyle(QStyle* base) : QProxyStyle(base) {}

  bool shown() const { return shown_; }

  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_UnderlineShortcut) return shown_ ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }

  // Watches every key of the application: Alt may go down in any window.
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
          Show(event->type() == QEvent::KeyPress);
        }
        break;
      case QEvent::ApplicationDeactivate:
        Show(false);  // Alt+Tab away: the release goes to another program
        break;
      default:
        break;
    }
    return QProxyStyle::eventFilter(watched, event);
  }

 private:
  void Show(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) window->update();
    }
  }

  bool shown_ = false;
};

AltCueStyle*& Installed() {
  static AltCueStyle* style = nullptr;
  return style;
}

}  // namespace

void ShowMnemonicsWhileAltHeld() {
  if (Installed() != nullptr || qApp == nullptr) return;
  auto* style = new AltCueStyle(QStyleFactory::create(QApplication::style()->name()));
  QApplication::setStyle(style);  // the application owns it from here
  qApp->installEventFilter(style);
  Installed() = style;
}

bool MnemonicsShown() { return Installed() != nullptr && Installed()->shown(); }

}  // namespace tallyfox
