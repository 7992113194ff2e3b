// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/touch.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDevice>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QScroller>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/display.h"
#include "res/dialog_template.h"

namespace tallyfox {
namespace {

const QString kLongPressName = QStringLiteral("tallyfox-long-press");

bool ByFinger(const QMouseEvent& event) {
  return event.device() != nullptr &&
         event.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

bool HasTouchScreen() {
  const auto devices = QInputDevice::devices();
  return std::any_of(devices.begin(), devices.end(), [](const QInputDevice* device) {
    return device->type() == QInputDevice::DeviceType::TouchScreen;
  });
}

// Watches every press that Qt makes of a touch: one held still as long as the
// desktop's press-and-hold time becomes a context-menu event where it is.
class LongPressMenus : public QObject {
 public:
  explicit LongPressMenus(QObject* parent) : QObject(parent) {
    setObjectName(kLongPressName);
    timer_.setSingleShot(true);
    timer_.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { OpenMenu(); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        Pressed(watched, static_cast<QMouseEvent&>(*event));
        break;
      case QEvent::MouseMove:
        if ((static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - at_).manhattanLength() >
            QApplication::startDragDistance()) {
          timer_.stop();
        }
        break;
      case QEvent::MouseButtonRelease:
        timer_.stop();
        break;
      default:
        break;
    }
    return false;
  }

 private:
  // The same press reaches each parent in turn; the innermost widget counts.
  void Pressed(QObject* watched, const QMouseEvent& event) {
    if (!ByFinger(event) || !watched->isWidgetType()) return;
    if (timer_.isActive() && event.timestamp() == pressedAt_) return;
    target_ = static_cast<QWidget*>(watched);
    at_ = event.globalPosition().toPoint();
    pressedAt_ = event.timestamp();
    timer_.start();
  }

  void OpenMenu() {
    if (target_ == nullptr) return;
    QContextMenuEvent menu(QContextMenuEvent::Mouse, target_->mapFromGlobal(at_), at_);
    QCoreApplication::sendEvent(target_, &menu);
  }

  QTimer timer_;
  QPointer<QWidget> target_;
  QPoint at_;
  quint64 pressedAt_ = 0;
};

}  // namespace

// Qt keeps the recogniser that the first grab registers for the whole run,
// so a program without a touch screen does without it.
void EnableTouchScrolling(QAbstractScrollArea* area) {
  if (HasTouchScreen()) QScroller::grabGesture(area->viewport(), QScroller::TouchGesture);
}

void InstallLongPressMenus() {
  if (qApp == nullptr || qApp->findChild<QObject*>(kLongPressName)) return;
  qApp->installEventFilter(new LongPressMenus(qApp));
}

Qt::InputMethodHints InputHintsFor(std::uint32_t style) {
  if (style & kReadOnly) return Qt::ImhNone;
  if (style & kDigitsOnly) return Qt::ImhDigitsOnly;
  if (style & kNumber) return Qt::ImhFormattedNumbersOnly;
  return Qt::ImhNone;
}

int TickBoxSide(int usualSide) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr || !(HasTouchScreen() || IsNarrowScreen())) return usualSide;
  constexpr double kTickMillimetres = 7.0;
  const int side =
      static_cast<int>(std::ceil(kTickMillimetres / 25.4 * screen->physicalDotsPerInch()));
  return std::max(usualSide, side);
}

}  // namespace tallyfox
