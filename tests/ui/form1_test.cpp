// The binding of the main window to its sheet, through real keys, clicks and focus moves.
#include <QTest>

#include "tests/ui/window_driver.h"

using namespace Qt::StringLiterals;
using quorvel::testing::WindowDriver;

class Form1Test : public quorvel::testing::WindowTest {
  Q_OBJECT

 private slots:
  // The window opens in the first octet; one keystroke there reaches the other boxes.
  void opensAndFollowsTheFirstKeystroke() {
    QCOMPARE(driver_->form().windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text1"));
    QVERIFY(driver_->find<QWidget>("Text32")->isHidden());
    WindowDriver::type(QStringLiteral("1"));
    QCOMPARE(driver_->text("Text31"), QStringLiteral("16777216"));
  }

  // Class B closes mask octet 2: Tab skips it, walks the rest in order and wraps after the About
  // button. A box entered by Shift+Tab or a click selects its first five characters, whatever Qt
  // or the press did to the caret.
  void tabWalksTheOpenBoxesSelectingThem() {
    WindowDriver::type(QStringLiteral("150"));
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
      WindowDriver::press(Qt::Key_Tab);
      seen << WindowDriver::focusName();
    }
    QCOMPARE(seen,
             (QStringList{"Text2", "Text3", "Text4", "Text24", "Text23", "Command3", "Text1"}));
    driver_->click("Text23");
    WindowDriver::type(QStringLiteral("1234567"));
    WindowDriver::press(Qt::Key_Tab);
    WindowDriver::press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(driver_->box("Text23")->selectedText(), QStringLiteral("12345"));
    driver_->click("Text2");
    QCOMPARE(driver_->box("Text2")->selectedText(), QStringLiteral("000"));
  }

  // A click on the number hands the focus on to the box it is edited in, which Tab hands back.
  void theNumberHandsTheFocusOnAndBack() {
    driver_->click("Text31");
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text32"));
    WindowDriver::press(Qt::Key_Tab);
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text1"));
  }

  // Enter presses the button that holds the focus, whether Tab or a click brought it there; in a
  // box, neither Enter key presses anything.
  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("focused");
    QTest::newRow("About This Program, by Tab") << u"Command3"_s;
    QTest::newRow("Reset") << u"Command2"_s;
    QTest::newRow("a box") << u"Text1"_s;
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, focused);
    WindowDriver::type(QStringLiteral("100"));
    if (focused == QLatin1String("Command3")) {
      for (int i = 0; i < 7; ++i) WindowDriver::press(Qt::Key_Tab);
    } else {
      driver_->find<QWidget>(qPrintable(focused))->setFocus(Qt::MouseFocusReason);
    }
    QCOMPARE(WindowDriver::focusName(), focused);
    WindowDriver::press(Qt::Key_Return);
    if (focused == QLatin1String("Command3")) {
      QTRY_VERIFY(!WindowDriver::aboutBoxes().isEmpty());
      QCOMPARE(driver_->text("Text1"), QStringLiteral("100"));
    } else if (focused == QLatin1String("Command2")) {
      QCOMPARE(driver_->text("Text1"), QStringLiteral("0"));
    } else {
      WindowDriver::press(Qt::Key_Enter, Qt::KeypadModifier);
      QCOMPARE(driver_->text("Text1"), QStringLiteral("100"));
      QCOMPARE(WindowDriver::focusName(), focused);
      QVERIFY(driver_->form().isVisible() && WindowDriver::aboutBoxes().isEmpty());
    }
  }

  void switchingWindowsRunsNoRule() {
    WindowDriver::press(Qt::Key_Tab);
    WindowDriver::type(QStringLiteral("1234567"));  // cut to 567 with the caret at 0
    WindowDriver::press(Qt::Key_End);
    QWidget other;
    other.setGeometry(500, 500, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(quorvel::testing::waitUntilActive(&other));
    // A Wayland client cannot take the activation back; the compositor hands it back when the
    // other window goes.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
      other.close();
    } else {
      driver_->form().activateWindow();
    }
    QVERIFY(quorvel::testing::waitUntilActive(&driver_->form()));
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text2"));
    QVERIFY(!driver_->box("Text2")->hasSelectedText());
    QCOMPARE(driver_->box("Text2")->cursorPosition(), 3);
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
