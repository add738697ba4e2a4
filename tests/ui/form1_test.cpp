// The binding of the main window to its sheet, through real keys, clicks and focus moves.
#include <QPlainTextEdit>
#include <QTest>

#include "tests/ui/window_driver.h"

using namespace Qt::StringLiterals;
using quorvel::testing::WindowDriver;

class Form1Test : public quorvel::testing::WindowTest {
  Q_OBJECT

 private slots:
  // The window opens in the first octet, selected, before any rule has run (the note is still
  // empty and shown); one keystroke reaches every box.
  void opensAndFollowsTheFirstKeystroke() {
    QCOMPARE(driver_->form().windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text1"));
    QCOMPARE(driver_->box("Text1")->selectedText(), QStringLiteral("000"));
    QVERIFY(driver_->find<QWidget>("Text32")->isHidden());
    QVERIFY(driver_->find<QPlainTextEdit>("Text35")->isVisible());
    WindowDriver::type(QStringLiteral("1"));
    for (const auto& [name, text] :
         {std::pair("Text1", "1"), std::pair("Text5", "01"), std::pair("Text9", "00000001"),
          std::pair("Text31", "16777216"), std::pair("Text13", "A"), std::pair("Text33", "1")}) {
      QCOMPARE(driver_->text(name), QString::fromLatin1(text));
    }
    QVERIFY(driver_->find<QWidget>("Text35")->isHidden());
  }

  // The sheet gets the caret where the box has it, counted in characters where Qt counts UTF-16
  // units (a character outside the BMP is two), and its selections come back the same way.
  void caretReachesTheSheetInCharacters_data() {
    QTest::addColumn<bool>("atHome");    // the caret at the start, else at the end
    QTest::addColumn<QString>("typed");  // over "123" (a fourth character)
    QTest::addColumn<QString>("expected");
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("at the end") << false << u"4"_s << u"234"_s;
    QTest::newRow("two units at the start") << true << face << face + "12";
  }
  void caretReachesTheSheetInCharacters() {
    QFETCH(bool, atHome);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    WindowDriver::type(QStringLiteral("123"));
    WindowDriver::press(atHome ? Qt::Key_Home : Qt::Key_End);
    QTest::sendKeyEvent(QTest::Click, WindowDriver::focus(), Qt::Key_unknown, typed, {});
    QLineEdit* box = driver_->box("Text1");
    QCOMPARE(box->text(), expected);
    QCOMPARE(box->cursorPosition(), 0);
    WindowDriver::press(Qt::Key_Tab);
    WindowDriver::press(Qt::Key_Backtab);
    QCOMPARE(box->selectedText(), expected);
  }

  // Class B closes mask octet 2: Tab skips it, walks the rest in order and wraps after the About
  // button. A box entered by Tab, Shift+Tab or a click selects its first five characters,
  // whatever the press did to the caret.
  void tabWalksTheOpenBoxesSelectingThem() {
    WindowDriver::type(QStringLiteral("150"));
    QStringList seen;
    for (int i = 0; i < 7; ++i) {
      WindowDriver::press(Qt::Key_Tab);
      seen << WindowDriver::focusName();
    }
    QCOMPARE(seen,
             (QStringList{"Text2", "Text3", "Text4", "Text24", "Text23", "Command3", "Text1"}));
    QCOMPARE(driver_->box("Text1")->selectedText(), QStringLiteral("150"));
    driver_->click("Text23");
    WindowDriver::type(QStringLiteral("1234567"));
    WindowDriver::press(Qt::Key_Tab);
    WindowDriver::press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(driver_->box("Text23")->selectedText(), QStringLiteral("12345"));
    driver_->click("Text2");
    QCOMPARE(driver_->box("Text2")->selectedText(), QStringLiteral("000"));
  }

  void wholeNumberIsEditedInItsOwnBox_data() {
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<QString>("selected");  // in Text1 afterwards
    QTest::addColumn<QString>("number");    // in Text31 afterwards
    QTest::addColumn<QString>("nextKey");   // Text1 after typing 7
    QTest::newRow("Tab") << u"Tab"_s << u"192"_s << u"3232235777"_s << u"7"_s;
    QTest::newRow("click on Text3") << u"Text3"_s << u"192"_s << u"3232235777"_s << u"7"_s;
    // Reset's writes leave the caret at the start with nothing selected.
    QTest::newRow("click on Reset") << u"Command2"_s << u""_s << u"0"_s << u"70"_s;
  }
  void wholeNumberIsEditedInItsOwnBox() {
    QFETCH(QString, leaveBy);
    QFETCH(QString, selected);
    QFETCH(QString, number);
    QFETCH(QString, nextKey);
    driver_->click("Text31");
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text32"));
    QCOMPARE(driver_->box("Text32")->selectedText(), QStringLiteral("0"));

    WindowDriver::type(QStringLiteral("3232235777"));
    QCOMPARE(driver_->text("Text1"), QStringLiteral("192"));

    if (leaveBy == QLatin1String("Tab")) {
      WindowDriver::press(Qt::Key_Tab);
    } else {
      driver_->click(leaveBy.toLatin1().constData());
    }
    QCOMPARE(WindowDriver::focusName(), QStringLiteral("Text1"));
    QCOMPARE(driver_->box("Text1")->selectedText(), selected);
    QVERIFY(driver_->find<QWidget>("Text32")->isHidden());
    QVERIFY(driver_->find<QWidget>("Text31")->isVisible());
    QCOMPARE(driver_->text("Text31"), number);
    // The next key goes where the user sees the selection or the caret.
    WindowDriver::type(QStringLiteral("7"));
    QCOMPARE(driver_->text("Text1"), nextKey);
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
