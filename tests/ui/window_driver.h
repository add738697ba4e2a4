#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "ui/form1.h"

namespace quorvel::testing {

// Waits until the window is the active one. A Wayland client cannot activate its own windows:
// the compositor activates a window when it maps it or when the user picks it, so there the wait
// is for the compositor.
// The deadline is for a loaded machine; a window that does come costs only its own wait.
inline bool waitUntilActive(QWidget* window) {
  constexpr int kDeadline = 60000;
  if (QGuiApplication::platformName() == QLatin1String("wayland")) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window->window(); },
                           kDeadline);
  }
  return QTest::qWaitForWindowActive(window, kDeadline);
}

// Opens a fresh main window, active, and drives it the way a user does: keys go to whatever
// widget has the focus, clicks to the widget under the pointer.
class WindowDriver {
 public:
  WindowDriver() : form_(std::make_unique<Form1>()) {
    form_->show();
    form_->activateWindow();
  }

  [[nodiscard]] Form1& form() { return *form_; }

  // A control the window lacks stops the test with its name, rather than crash it.
  template <typename T = QLineEdit>
  [[nodiscard]] T* find(const char* name) const {
    T* control = form_->findChild<T*>(QLatin1String(name));
    if (!control) qFatal("the window has no control %s", name);
    return control;
  }
  [[nodiscard]] QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
  [[nodiscard]] QString text(const char* name) const { return box(name)->text(); }

  static QWidget* focus() { return QApplication::focusWidget(); }
  static QString focusName() { return focus() ? focus()->objectName() : QString(); }

  static void type(const QString& keys) { QTest::keyClicks(focus(), keys); }
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(focus(), key, modifiers);
  }
  void click(const char* name) const {
    QTest::mouseClick(find<QWidget>(name), Qt::LeftButton, {}, QPoint(4, 4));
  }

  // The About boxes open; the program allows one at most.
  static QWidgetList aboutBoxes() {
    QWidgetList boxes;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() == QLatin1String("frmAbout") && w->isVisible()) boxes << w;
    }
    return boxes;
  }
  // Clicks "About This Program"; the box it shows, if exactly one is open.
  [[nodiscard]] QWidget* openAbout() const {
    click("Command3");
    const QWidgetList boxes = aboutBoxes();
    return boxes.size() == 1 ? boxes.front() : nullptr;
  }

 private:
  std::unique_ptr<Form1> form_;
};

// The fixture of the window tests: a fresh main window, open and active, for every test.
class WindowTest : public QObject {
  Q_OBJECT

 protected slots:
  void init() {
    driver_ = std::make_unique<WindowDriver>();
    QVERIFY(waitUntilActive(&driver_->form()));
  }
  void cleanup() { driver_.reset(); }

 protected:
  std::unique_ptr<WindowDriver> driver_;
};

}  // namespace quorvel::testing
