#include "ui/last_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <utility>
#include <vector>

namespace quorvel {
namespace {

using namespace std::chrono_literals;

// After the second update: time for the event thread to leave libwayland's dispatch. Ending
// right after reading an event can also hang Qt 6.4 in ~QWaylandDisplay; the pause avoids that.
constexpr auto kSettle = 50ms;
// A window the compositor no longer shows gets no frame events: close it anyway.
constexpr auto kGiveUp = 1s;

// A window's state, kept on the widget so that every close path sees it.
constexpr char kStateProperty[] = "quorvelLastFrame";
enum class State { Drawing, Waiting, Done };

bool& waitEnabled() {
  static bool wait = true;
  return wait;
}

bool needsWait() {
  return waitEnabled() && QGuiApplication::platformName() == QLatin1String("wayland");
}

State stateOf(const QWidget* window) {
  return static_cast<State>(window->property(kStateProperty).toInt());
}

void setState(QWidget* window, State state) {
  window->setProperty(kStateProperty, static_cast<int>(state));
}

// Waits for the second update request of each window, swallowing them so that nothing is drawn.
class LastFrameWait : public QObject {
 public:
  LastFrameWait(QObject* owner, const QWidgetList& windows, std::function<void()> then)
      : QObject(owner), then_(std::move(then)) {
    for (QWidget* widget : windows) {
      QWindow* handle = widget->windowHandle();
      if (!handle || !widget->isVisible()) continue;
      setState(widget, State::Waiting);
      widget->setUpdatesEnabled(false);
      handle->installEventFilter(this);
      windows_.push_back({widget, handle, 0});
      handle->requestUpdate();
    }
    QTimer::singleShot(kGiveUp, this, &LastFrameWait::finish);
    settleIfDone();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::UpdateRequest) return false;
    for (Window& window : windows_) {
      if (window.handle == watched && ++window.requests < 2) window.handle->requestUpdate();
    }
    settleIfDone();
    return true;
  }

 private:
  struct Window {
    QPointer<QWidget> widget;
    QPointer<QWindow> handle;
    int requests;
  };

  void settleIfDone() {
    for (const Window& window : windows_) {
      if (window.handle && window.widget && window.widget->isVisible() && window.requests < 2) {
        return;
      }
    }
    if (!settling_) QTimer::singleShot(kSettle, this, &LastFrameWait::finish);
    settling_ = true;
  }

  void finish() {
    if (finished_) return;
    finished_ = true;
    for (const Window& window : windows_) {
      if (window.handle) window.handle->removeEventFilter(this);
      if (window.widget) setState(window.widget, State::Done);
    }
    const QPointer<LastFrameWait> self(this);
    then_();
    if (!self) return;
    // A window that outlives its close draws again should it ever be shown.
    for (const Window& window : windows_) {
      if (window.widget) window.widget->setUpdatesEnabled(true);
    }
    deleteLater();
  }

  std::function<void()> then_;
  std::vector<Window> windows_;
  bool settling_ = false;
  bool finished_ = false;
};

}  // namespace

void afterLastFrame(const QWidgetList& windows, std::function<void()> then) {
  if (!needsWait()) {
    then();
    return;
  }
  new LastFrameWait(qApp, windows, std::move(then));
}

bool putOffUntilLastFrame(QWidget* window, std::function<void()> close) {
  if (!needsWait() || !window->isVisible()) return false;
  switch (stateOf(window)) {
    case State::Done:
      return false;
    case State::Waiting:
      return true;  // already on its way out
    case State::Drawing:
      break;
  }
  // Owned by the window: should it be destroyed meanwhile, the close is moot.
  new LastFrameWait(window, {window}, std::move(close));
  return true;
}

void quitAfterLastFrames() {
  QWidgetList windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && stateOf(widget) != State::Done) windows << widget;
  }
  afterLastFrame(windows, [] {
    QApplication::closeAllWindows();
    QCoreApplication::quit();
  });
}

void waitForLastFrames(bool wait) {
  waitEnabled() = wait;
}

}  // namespace quorvel
