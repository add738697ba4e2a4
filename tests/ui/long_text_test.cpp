// A box holding a long text shows only a part of it; Qt's keys, menu entries, input method
// commits and clicks must still reach the whole text.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <iterator>
#include <limits>

#include "ui/long_line_edit.h"
#include "ui/text.h"

using quorvel::LongLineEdit;

namespace {

QString wholeText(const LongLineEdit& box) {
  return QString::fromStdU16String(box.editor().text());
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

// One user action, done the same way on any line edit: keys, a context menu entry or an input
// method's commit.
struct Step {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int times = 1;
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
      for (int i = 0; i < times; ++i) QTest::keyPress(box, key, modifiers);  // no release needed
    }
  }
};

// The walks go far enough to carry the caret across the part's edges.
const Step kSteps[] = {{Qt::Key_Left, {}, 1500},
                       {Qt::Key_Right, {}},
                       {Qt::Key_Left, Qt::ShiftModifier},
                       {Qt::Key_Right, Qt::ShiftModifier, 1500},
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
                       {{}, {}, 1, "Select All"},
                       {{}, {}, 1, "&Copy"},
                       {{}, {}, 1, "Cu&t"},
                       {{}, {}, 1, "&Paste"},
                       {{}, {}, 1, "Delete"},
                       {{}, {}, 1, nullptr, "ab"}};

}  // namespace

class LongTextTest : public QObject {
  Q_OBJECT

 private slots:
  // Each step, on a long text with the caret at its start or in its middle, or with a selection
  // that reaches beyond the part the box holds either way, must leave the box, the clipboard and
  // what the sheet hears exactly as a plain line edit holding the whole text.
  void stepsActOnTheWholeText_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("cursor");
    for (const auto& [anchor, cursor] :
         {std::pair(0, 0), std::pair(4000, 4000), std::pair(10, 7000), std::pair(7990, 3000)}) {
      for (int step = 0; step < int(std::size(kSteps)); ++step) {
        QTest::addRow("step %d from %d to %d", step, anchor, cursor) << step << anchor << cursor;
      }
    }
  }
  void stepsActOnTheWholeText() {
    QFETCH(int, step);
    QFETCH(int, anchor);
    QFETCH(int, cursor);
    const QString start = QStringLiteral("12\U0001F600 567 9").repeated(800);
    QClipboard* clipboard = QGuiApplication::clipboard();
    LongLineEdit box(nullptr);
    QString heard = start;
    connect(&box, &LongLineEdit::wholeEdited, [&heard](const QString& text) { heard = text; });
    box.editor().show(quorvel::units(start));
    box.editor().select(anchor, cursor);
    clipboard->setText(QStringLiteral("ab"));
    kSteps[step].applyTo(&box);
    const QString clipped = clipboard->text();

    QLineEdit plain;
    plain.setMaxLength(std::numeric_limits<int>::max());
    plain.setText(start);
    plain.setSelection(anchor, cursor - anchor);
    clipboard->setText(QStringLiteral("ab"));
    kSteps[step].applyTo(&plain);
    const int plainAnchor = !plain.hasSelectedText() ? plain.cursorPosition()
                            : plain.cursorPosition() == plain.selectionStart()
                                ? plain.selectionEnd()
                                : plain.selectionStart();
    QCOMPARE(wholeText(box), plain.text());
    QCOMPARE(heard, plain.text());
    QCOMPARE(clipped, clipboard->text());
    QCOMPARE(box.editor().cursor(), plain.cursorPosition());
    QCOMPARE(box.editor().anchor(), plainAnchor);
    QVERIFY(!quorvel::forms::TextPart::isLong(std::size_t(box.text().size())));
  }

  void tripleClickSelectsTheWholeText() {
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.editor().show(std::u16string(20000, u'1'));
    const QPoint middle = box.rect().center();
    QTest::mouseDClick(&box, Qt::LeftButton, {}, middle);
    QTest::mousePress(&box, Qt::LeftButton, {}, middle);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, middle);
    QCOMPARE(box.editor().selectedText().size(), 20000);
  }

  // X11's primary selection: a middle click pastes it where it clicks, and a selection made by
  // key becomes it whole.
  void primarySelectionCarriesTheWholeText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) QSKIP("no primary selection on this platform");
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.editor().show(u"12");
    const QString mega(1 << 20, u'7');
    clipboard->setText(mega, QClipboard::Selection);
    QSignalSpy edits(&box, &LongLineEdit::wholeEdited);
    QTest::mouseClick(&box, Qt::MiddleButton, {}, QPoint(box.width() - 2, box.height() / 2));
    QCOMPARE(wholeText(box), "12" + mega);
    QCOMPARE(box.editor().cursor(), wholeText(box).size());
    QCOMPARE(edits.size(), 1);

    clipboard->clear(QClipboard::Selection);
    for (int i = 0; i < 3000; ++i) QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(clipboard->text(QClipboard::Selection).size(), wholeText(box).size() - 3000);
  }
};

QTEST_MAIN(LongTextTest)
#include "long_text_test.moc"
