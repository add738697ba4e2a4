// A box holding a long text shows only a part of it; every key must still act on the whole text.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <iterator>
#include <limits>

#include "ui/long_line_edit.h"

using quorvel::LongLineEdit;

namespace {

QString digits(int size) {
  QString text;
  text.reserve(size);
  for (int i = 0; i < size; ++i) text += QChar(u'0' + i % 10);
  return text;
}

// Opens the box's context menu and chooses the entry with this label.
void chooseFromMenu(QWidget* box, const char* label) {
  QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(box, &open);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu);
  const QString wanted = QCoreApplication::translate("QLineEdit", label);
  for (QAction* action : menu->actions()) {
    if (action->text().section(u'\t', 0, 0) == wanted) action->trigger();
  }
  menu->close();
}

// Keys in a short notation, separated by blanks: a key name ("Home", "End", "Left", "Right",
// "BS", "Del"), optionally with "S-" (Shift) or "C-" (Ctrl) before it and "*n" (n times) after
// it; "C-a", "C-c", "C-x", "C-v" and "C-z"; "menu:" and an entry of the context menu ("all",
// "copy", "cut", "paste", "delete"); "im:" and a text the input method commits; anything else is
// typed as it stands.
void pressKeys(QWidget* box, const QString& keys) {
  static const QHash<QString, const char*> entries{{"menu:all", "Select All"},
                                                   {"menu:copy", "&Copy"},
                                                   {"menu:cut", "Cu&t"},
                                                   {"menu:paste", "&Paste"},
                                                   {"menu:delete", "Delete"}};
  static const QHash<QString, Qt::Key> named{
      {"Home", Qt::Key_Home},   {"End", Qt::Key_End},      {"Left", Qt::Key_Left},
      {"Right", Qt::Key_Right}, {"BS", Qt::Key_Backspace}, {"Del", Qt::Key_Delete},
      {"a", Qt::Key_A},         {"c", Qt::Key_C},          {"x", Qt::Key_X},
      {"v", Qt::Key_V},         {"z", Qt::Key_Z}};
  for (QString token : keys.split(u' ', Qt::SkipEmptyParts)) {
    if (token.startsWith(u"im:")) {
      QInputMethodEvent commit;
      commit.setCommitString(token.mid(3));
      QApplication::sendEvent(box, &commit);
      continue;
    }
    if (entries.contains(token)) {
      chooseFromMenu(box, entries.value(token));
      continue;
    }
    Qt::KeyboardModifiers modifiers;
    if (token.startsWith(u"S-")) modifiers = Qt::ShiftModifier;
    if (token.startsWith(u"C-")) modifiers = Qt::ControlModifier;
    if (modifiers) token.remove(0, 2);
    int times = 1;
    if (const qsizetype star = token.indexOf(u'*'); star > 0) {
      times = token.mid(star + 1).toInt();
      token.truncate(star);
    }
    for (int i = 0; i < times; ++i) {
      if (named.contains(token) && (modifiers || token.size() > 1)) {
        QTest::keyClick(box, named.value(token), modifiers);
      } else {
        QTest::keyClicks(box, token);
      }
    }
  }
}

// What the box shows is the whole text at some place, never cut through a character.
bool showsAPartOfTheWhole(const LongLineEdit& box) {
  const QString part = box.text();
  const int offset = box.wholeCursor() - box.cursorPosition();
  const bool cutPair =
      !part.isEmpty() && (part.front().isLowSurrogate() || part.back().isHighSurrogate());
  return offset >= 0 && box.wholeText().mid(offset, part.size()) == part && !cutPair &&
         (part.size() <= 2 * 1024 + 2 || box.wholeText().size() <= LongLineEdit::kLongText);
}

}  // namespace

class LongTextTest : public QObject {
  Q_OBJECT

 private slots:
  void keysActOnTheWholeText_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("clip");  // on the clipboard before the keys
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("clipAfter");  // null: not checked

    const QString long20k = digits(20000);
    const QString mega = QString(1 << 20, u'7');
    const QString none;
    // Plain moves and edits are compared with a plain line edit below; these rows are what
    // that comparison leaves out: the clipboard, the menu, the input method, a megabyte, undo.
    QTest::newRow("copy all") << long20k << none << "C-a C-c" << long20k << 20000 << long20k;
    QTest::newRow("cut beyond the part") << long20k << none << "S-Left*1500 C-x"
                                         << long20k.left(18500) << 18500 << long20k.mid(18500);
    QTest::newRow("megabyte pasted into a short text") << "12" << mega << "Home Right C-v"
                                                       << "1" + mega + "2" << (1 << 20) + 1 << none;
    QTest::newRow("long text shortened by a paste") << long20k << "42"
                                                    << "C-a C-v"
                                                    << "42" << 2 << none;
    QTest::newRow("menu: select all, type") << long20k << none << "menu:all 5"
                                            << "5" << 1 << none;
    QTest::newRow("menu: paste a megabyte") << "12" << mega << "menu:paste"
                                            << "12" + mega << (1 << 20) + 2 << none;
    QTest::newRow("menu: copy all")
        << long20k << none << "C-a menu:copy" << long20k << 20000 << long20k;
    QTest::newRow("menu: cut beyond the part")
        << long20k << none << "S-Left*1500 menu:cut" << long20k.left(18500) << 18500
        << long20k.mid(18500);
    QTest::newRow("menu: delete beyond the part") << long20k << none << "S-Home menu:delete"
                                                  << "" << 0 << none;
    QTest::newRow("input method over a selection beyond the part")
        << long20k << none << "S-Left*1500 im:ab" << long20k.left(18500) + "ab" << 18502 << none;
    QTest::newRow("short paste undone by the line edit") << "12"
                                                         << "345"
                                                         << "C-v C-z"
                                                         << "12" << 2 << none;
    // Pairs of units at every offset modulo 2, so that some part edge falls inside a pair.
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString mixed = ("x" + face + face).repeated(2000);
    QTest::newRow("characters of two units")
        << mixed << none << "Home Right*700 q" << mixed.left(1166) + "q" + mixed.mid(1166) << 1167
        << none;
  }
  void keysActOnTheWholeText() {
    QFETCH(QString, start);
    QFETCH(QString, clip);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, cursor);
    QFETCH(QString, clipAfter);
    LongLineEdit box(nullptr);
    box.show();
    box.showWhole(start);
    QGuiApplication::clipboard()->setText(clip);
    QSignalSpy edits(&box, &LongLineEdit::wholeEdited);

    pressKeys(&box, keys);

    QCOMPARE(box.wholeText().size(), expected.size());
    QCOMPARE(box.wholeText(), expected);
    QCOMPARE(box.wholeCursor(), cursor);
    QVERIFY(showsAPartOfTheWhole(box));
    // The sheet hears of every change, and last of the text as it ends.
    if (expected != start) QVERIFY(!edits.isEmpty());
    if (!edits.isEmpty()) {
      QCOMPARE(edits.last().at(0).toString(), expected);
      QCOMPARE(edits.last().at(1).toInt(), cursor);
    }
    if (!clipAfter.isNull()) QCOMPARE(QGuiApplication::clipboard()->text(), clipAfter);
  }

  // Walking with the arrows, the cursor stays against the edge of the box it pushes at, also
  // when the part moves under it.
  void cursorKeepsItsSideWhenThePartMoves_data() {
    QTest::addColumn<bool>("leftwards");
    QTest::newRow("leftwards") << true;
    QTest::newRow("rightwards") << false;
  }
  void cursorKeepsItsSideWhenThePartMoves() {
    QFETCH(bool, leftwards);
    LongLineEdit box(nullptr);
    box.resize(120, 24);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showWhole(digits(20000));
    if (!leftwards) pressKeys(&box, QStringLiteral("Home"));
    for (int i = 0; i < 1000; ++i) {
      QTest::keyClick(&box, leftwards ? Qt::Key_Left : Qt::Key_Right);
      box.repaint();
      const int x = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
      if (i > 100) QCOMPARE(x < box.width() / 2, leftwards);
    }
  }

  void tripleClickSelectsTheWholeText() {
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showWhole(digits(20000));
    const QPoint middle = box.rect().center();
    QTest::mouseDClick(&box, Qt::LeftButton, {}, middle);
    QTest::mousePress(&box, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, middle);
    QCOMPARE(box.wholeSelectedText().size(), 20000);
  }

  // X11's primary selection: a middle click pastes it where it clicks, and a selection made by
  // key becomes it whole.
  void primarySelectionCarriesTheWholeText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) QSKIP("no primary selection on this platform");
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showWhole(QStringLiteral("12"));
    const QString mega(1 << 20, u'7');
    clipboard->setText(mega, QClipboard::Selection);
    QSignalSpy edits(&box, &LongLineEdit::wholeEdited);
    QTest::mouseClick(&box, Qt::MiddleButton, {}, QPoint(box.width() - 2, box.height() / 2));
    QCOMPARE(box.wholeText(), "12" + mega);
    QCOMPARE(box.wholeCursor(), box.wholeText().size());
    QVERIFY(showsAPartOfTheWhole(box));
    QCOMPARE(edits.size(), 1);

    clipboard->clear(QClipboard::Selection);
    pressKeys(&box, QStringLiteral("Left*3000 S-Home"));
    QCOMPARE(clipboard->text(QClipboard::Selection).size(), box.wholeText().size() - 3000);
  }

  // Random keys, many of them repeated long enough to carry the caret across the part's edges,
  // must leave the box exactly as a plain line edit holding the whole text.
  void behavesAsAPlainLineEditUnderRandomKeys() {
    struct Step {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
    };
    const Step steps[] = {{Qt::Key_Left, {}},
                          {Qt::Key_Right, {}},
                          {Qt::Key_Left, Qt::ShiftModifier},
                          {Qt::Key_Right, Qt::ShiftModifier},
                          {Qt::Key_Left, Qt::ControlModifier},
                          {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier},
                          {Qt::Key_Home, {}},
                          {Qt::Key_End, {}},
                          {Qt::Key_Home, Qt::ShiftModifier},
                          {Qt::Key_End, Qt::ShiftModifier},
                          {Qt::Key_A, Qt::ControlModifier},
                          {Qt::Key_Backspace, {}},
                          {Qt::Key_Backspace, Qt::ControlModifier},
                          {Qt::Key_Delete, Qt::ControlModifier},
                          {Qt::Key_K, Qt::ControlModifier},
                          {Qt::Key_U, Qt::ControlModifier},
                          {Qt::Key_Delete, {}},
                          {Qt::Key_5, {}},
                          {Qt::Key_X, Qt::ControlModifier},
                          {Qt::Key_V, Qt::ControlModifier}};
    QString start;
    for (int i = 0; i < 500; ++i) start += QStringLiteral("1234567 9");
    QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
    LongLineEdit box(nullptr);
    QLineEdit plain;
    plain.setMaxLength(std::numeric_limits<int>::max());
    box.showWhole(start);
    plain.setText(start);
    // QUORVEL_KEYS_SEED=n runs another sequence.
    QRandomGenerator random(qEnvironmentVariableIntValue("QUORVEL_KEYS_SEED") + 20261206);
    int partial = 0;
    for (int round = 0; round < 80; ++round) {
      // Long, but not so long that the plain line edit makes the test slow.
      if (plain.text().size() <= LongLineEdit::kLongText || plain.text().size() > 12000) {
        box.showWhole(start);
        plain.setText(start);
      }
      const Step& step = steps[random.bounded(int(std::size(steps)))];
      const bool walk = step.key == Qt::Key_Left || step.key == Qt::Key_Right;
      const int times = walk ? int(random.bounded(1, 900)) : 1;
      for (int i = 0; i < times; ++i) {
        QTest::keyPress(&box, step.key, step.modifiers);  // a line edit ignores releases
        QTest::keyPress(&plain, step.key, step.modifiers);
      }
      const int plainAnchor = !plain.hasSelectedText() ? plain.cursorPosition()
                              : plain.cursorPosition() == plain.selectionStart()
                                  ? plain.selectionEnd()
                                  : plain.selectionStart();
      QCOMPARE(box.wholeText(), plain.text());
      QCOMPARE(box.wholeCursor(), plain.cursorPosition());
      QCOMPARE(box.wholeAnchor(), plainAnchor);
      QVERIFY(showsAPartOfTheWhole(box));
      if (box.text().size() < box.wholeText().size()) ++partial;
    }
    QVERIFY(partial > 50);
  }

  // The binding sets the sheet's selection; it must show wherever it lies in the text.
  void selectionSetFromOutside_data() {
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("cursor");
    QTest::newRow("all") << 0 << 20000;
    QTest::newRow("backwards across the whole") << 20000 << 0;
  }
  void selectionSetFromOutside() {
    QFETCH(int, anchor);
    QFETCH(int, cursor);
    LongLineEdit box(nullptr);
    box.showWhole(digits(20000));
    box.selectWhole(anchor, cursor);
    QCOMPARE(box.wholeAnchor(), anchor);
    QCOMPARE(box.wholeCursor(), cursor);
    QCOMPARE(box.wholeSelectedText(),
             digits(20000).mid(std::min(anchor, cursor), std::abs(cursor - anchor)));
    QVERIFY(showsAPartOfTheWhole(box));
  }
};

QTEST_MAIN(LongTextTest)
#include "long_text_test.moc"
