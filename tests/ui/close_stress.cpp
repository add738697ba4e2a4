// Closes quorvel's windows right after they commit a frame, to show whether a close can abort
// the program under Wayland (scripts/close-stress runs it under weston, usually with
// frame_race_shim preloaded). Usage: close_stress KIND CYCLES [--at-once]
//   exit-key, exit-click, form-close: the main window ends the program, once (CYCLES ignored);
//   about-ok, about-enter, about-escape, about-close: the About box, CYCLES times.
// --at-once closes without waiting for the last frame. Prints "closed" for every close that
// ended well; exits 0 when all did, 2 when a window did not draw or close within 30 seconds.
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "tests/ui/window_driver.h"
#include "ui/last_frame.h"

namespace {

using quorvel::testing::WindowDriver;

// Long enough for a loaded machine: only a window that never answers meets it.
constexpr int kDeadline = 30000;

void report(bool closed) {
  if (!closed) std::exit(2);
  std::puts("closed");
  std::fflush(stdout);
}

// Waits until `window` has drawn and committed a frame, then a random part of the time the
// compositor takes to answer it, so that the close meets the frame's answer somewhere.
class FrameWatch : public QObject {
 public:
  explicit FrameWatch(QWidget* window) : handle_(window->windowHandle()) {
    handle_->installEventFilter(this);
  }
  void afterNextFrame() {
    painted_ = false;
    handle_->requestUpdate();
    if (!QTest::qWaitFor([this] { return painted_; }, kDeadline)) report(false);
    QTest::qWait(QRandomGenerator::global()->bounded(18));
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest) painted_ = true;
    return false;
  }

 private:
  QWindow* handle_;
  bool painted_ = false;
};

void closeFromTitleBar(QWidget* window) {
  QCloseEvent close;
  QCoreApplication::sendEvent(window->windowHandle(), &close);
}

void endMainWindow(WindowDriver& driver, const QString& kind) {
  WindowDriver::type(QStringLiteral("1"));
  auto* exit = driver.find<QPushButton>("Command1");
  if (kind == QLatin1String("exit-key")) exit->setFocus(Qt::MouseFocusReason);
  FrameWatch(&driver.form()).afterNextFrame();
  if (kind == QLatin1String("exit-key")) WindowDriver::press(Qt::Key_Return);
  if (kind == QLatin1String("exit-click")) driver.click("Command1");
  if (kind == QLatin1String("form-close")) closeFromTitleBar(&driver.form());
  QTimer::singleShot(kDeadline, [] { report(false); });
  QApplication::exec();
  report(true);
}

void closeAbout(WindowDriver& driver, const QString& kind) {
  QPointer<QWidget> about = driver.openAbout();
  if (!about || !quorvel::testing::waitUntilActive(about)) report(false);
  WindowDriver::press(Qt::Key_Tab);  // System Info, then back to OK: each one frame
  WindowDriver::press(Qt::Key_Tab);
  FrameWatch(about).afterNextFrame();
  if (kind == QLatin1String("about-ok")) {
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
  }
  if (kind == QLatin1String("about-enter")) WindowDriver::press(Qt::Key_Return);
  if (kind == QLatin1String("about-escape")) WindowDriver::press(Qt::Key_Escape);
  if (kind == QLatin1String("about-close")) closeFromTitleBar(about);
  report(QTest::qWaitFor([&about] { return about.isNull(); }, kDeadline));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = QApplication::arguments();
  if (args.size() < 3) return 64;
  const QString& kind = args[1];
  quorvel::waitForLastFrames(!args.contains(QStringLiteral("--at-once")));
  WindowDriver driver;
  if (!quorvel::testing::waitUntilActive(&driver.form())) return 2;
  if (!kind.startsWith(QLatin1String("about-"))) {
    endMainWindow(driver, kind);
    return 0;
  }
  QApplication::setQuitOnLastWindowClosed(false);
  for (int cycle = args[2].toInt(); cycle > 0; --cycle) closeAbout(driver, kind);
  return 0;
}
