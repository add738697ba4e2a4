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
#include <vector>

#include "ui/long_line_edit.h"

using quorvel::LongLineEdit;

namespace {

// Twenty thousand digits, 0 to 9 over and over.
QString digits() {
  return QStringLiteral("0123456789").repeated(2000);
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

// What the box shows is the whole text at some place, never cut through a character, and of a
// long text only a part (which grows by what is typed into it until the caret leaves it).
bool showsAPartOfTheWhole(const LongLineEdit& box) {
  const QString part = box.text();
  const int offset = box.wholeCursor() - box.cursorPosition();
  const bool cutPair =
      !part.isEmpty() && (part.front().isLowSurrogate() || part.back().isHighSurrogate());
  return offset >= 0 && box.wholeText().mid(offset, part.size()) == part && !cutPair &&
         (part.size() <= 3 * qsizetype{quorvel::forms::TextPart::kReach} ||
          box.wholeText().size() <= LongLineEdit::kLongText);
}

// One user action, done the same way on any line edit: keys, a context menu entry or an input
// method's commit.
struct Step {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* menuEntry = nullptr;
  const char* committed = nullptr;

  void applyTo(QWidget* box) const {
    if (menuEntry != nullptr) {
      chooseFromMenu(box, menuEntry);
    } else if (committed != nullptr) {
      QInputMethodEvent commit;
      commit.setCommitString(QString::fromUtf8(committed));
      QApplication::sendEvent(box, &commit);
    } else {
      QTest::keyPress(box, key, modifiers);  // a line edit ignores releases
    }
  }
};

}  // namespace

class LongTextTest : public QObject {
  Q_OBJECT

 private slots:
  // What a plain line edit cannot hold in reasonable time: megabytes, through keys and the menu;
  // and a short text keeps the line edit's own undo.
  void pastesAndUndo() {
    const QString mega(1 << 20, u'7');
    const Step paste{Qt::Key_V, Qt::ControlModifier};
    const struct {
      QString clip;
      std::vector<Step> steps;
      QString expected;
      int cursor;
    } cases[] = {{mega, {{Qt::Key_Left, {}}, paste}, "1" + mega + "2", (1 << 20) + 1},
                 {mega, {{{}, {}, "&Paste"}}, "12" + mega, (1 << 20) + 2},
                 {"345", {paste, {Qt::Key_Z, Qt::ControlModifier}}, "12", 2}};
    for (const auto& c : cases) {
      LongLineEdit box(nullptr);
      box.show();
      box.showWhole(QStringLiteral("12"));
      QGuiApplication::clipboard()->setText(c.clip);
      QSignalSpy edits(&box, &LongLineEdit::wholeEdited);
      for (const Step& step : c.steps) step.applyTo(&box);
      QCOMPARE(box.wholeText(), c.expected);
      QCOMPARE(box.wholeCursor(), c.cursor);
      QVERIFY(showsAPartOfTheWhole(box));
      QVERIFY(!edits.isEmpty());
      QCOMPARE(edits.last().at(0).toString(), c.expected);
      QCOMPARE(edits.last().at(1).toInt(), c.cursor);
    }
  }

  // Random keys, menu entries and input method commits, the moves repeated long enough to carry
  // the caret across the part's edges and through characters of two units, must leave the box,
  // the clipboard and what the sheet hears exactly as a plain line edit holding the whole text.
  void behavesAsAPlainLineEdit() {
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
                          {Qt::Key_C, Qt::ControlModifier},
                          {Qt::Key_X, Qt::ControlModifier},
                          {Qt::Key_V, Qt::ControlModifier},
                          {{}, {}, "Select All"},
                          {{}, {}, "&Copy"},
                          {{}, {}, "Cu&t"},
                          {{}, {}, "&Paste"},
                          {{}, {}, "Delete"},
                          {{}, {}, nullptr, "ab"}};
    const QString start = QStringLiteral("12\U0001F600 567 9").repeated(500);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("ab"));
    LongLineEdit box(nullptr);
    QLineEdit plain;
    plain.setMaxLength(std::numeric_limits<int>::max());
    QString heard;
    connect(&box, &LongLineEdit::wholeEdited, [&heard](const QString& text) { heard = text; });
    // QUORVEL_KEYS_SEED=n runs another sequence.
    QRandomGenerator random(qEnvironmentVariableIntValue("QUORVEL_KEYS_SEED") + 20261206);
    int partial = 0;
    for (int round = 0; round < 100; ++round) {
      // Long, but not so long that the plain line edit makes the test slow.
      if (plain.text().size() <= LongLineEdit::kLongText || plain.text().size() > 12000) {
        box.showWhole(start);
        plain.setText(start);
        heard = start;
      }
      const Step& step = steps[random.bounded(int(std::size(steps)))];
      // Moves go far; typing and deleting go on for a while inside the part.
      const bool walk = step.key == Qt::Key_Left || step.key == Qt::Key_Right;
      const bool edit =
          step.key == Qt::Key_5 || step.key == Qt::Key_Backspace || step.key == Qt::Key_Delete;
      const int times = walk ? int(random.bounded(1, 900)) : edit ? int(random.bounded(1, 9)) : 1;
      for (int i = 0; i < times; ++i) step.applyTo(&box);
      const QString clipped = clipboard->text();
      for (int i = 0; i < times; ++i) step.applyTo(&plain);
      const int plainAnchor = !plain.hasSelectedText() ? plain.cursorPosition()
                              : plain.cursorPosition() == plain.selectionStart()
                                  ? plain.selectionEnd()
                                  : plain.selectionStart();
      QCOMPARE(box.wholeText(), plain.text());
      QCOMPARE(heard, plain.text());
      QCOMPARE(clipped, clipboard->text());
      QCOMPARE(box.wholeCursor(), plain.cursorPosition());
      QCOMPARE(box.wholeAnchor(), plainAnchor);
      QVERIFY(showsAPartOfTheWhole(box));
      if (box.text().size() < box.wholeText().size()) ++partial;
    }
    QVERIFY(partial > 50);
  }

  void tripleClickSelectsTheWholeText() {
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.showWhole(digits());
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
    for (int i = 0; i < 3000; ++i) QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(clipboard->text(QClipboard::Selection).size(), box.wholeText().size() - 3000);
  }

  // The binding sets the sheet's selection; it must show wherever it lies in the text, either way.
  void selectionSetFromOutside() {
    for (const auto& [anchor, cursor] : {std::pair(0, 20000), std::pair(20000, 0)}) {
      LongLineEdit box(nullptr);
      box.showWhole(digits());
      box.selectWhole(anchor, cursor);
      QCOMPARE(box.wholeAnchor(), anchor);
      QCOMPARE(box.wholeCursor(), cursor);
      QCOMPARE(box.wholeSelectedText(), digits());
      QVERIFY(showsAPartOfTheWhole(box));
    }
  }
};

QTEST_MAIN(LongTextTest)
#include "long_text_test.moc"
