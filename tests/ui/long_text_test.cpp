// A box holding a long text shows only a part of it; Qt's keys, menu entries, input method
// commits and clicks must still reach the whole text.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QTest>
#include <limits>

#include "ui/long_line_edit.h"
#include "ui/text.h"

using quorvel::LongLineEdit;

namespace {

QString wholeText(const LongLineEdit& box) {
  return QString::fromStdU16String(box.editor().text());
}

// One user action, done the same way on any line edit: "menu:" chooses a context menu entry,
// "commit:" commits an input method's text, anything else is a key sequence, "*n" n times.
void apply(QLineEdit* box, const QString& step) {
  if (step.startsWith(u"menu:")) {
    QContextMenuEvent open(QContextMenuEvent::Keyboard, QPoint(2, 2),
                           box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString wanted = QCoreApplication::translate("QLineEdit", step.mid(5).toUtf8());
    for (QAction* action : menu->actions()) {
      if (action->text().section(u'\t', 0, 0) == wanted) action->trigger();
    }
    menu->close();
  } else if (step.startsWith(u"commit:")) {
    QInputMethodEvent commit;
    commit.setCommitString(step.mid(7));
    QApplication::sendEvent(box, &commit);
  } else {
    const QStringList keys = step.split(u'*');
    for (int i = keys.size() > 1 ? keys[1].toInt() : 1; i > 0; --i) {
      QTest::keySequence(box, QKeySequence(keys[0]));
    }
  }
}

}  // namespace

class LongTextTest : public QObject {
  Q_OBJECT

 private slots:
  // Each step, on a long text with the caret at its start or in its middle, or with a selection
  // that reaches beyond the part the box holds either way, must leave the box, the clipboard and
  // what the sheet hears exactly as a plain line edit holding the whole text. The walks go far
  // enough to carry the caret across the part's edges.
  void stepsActOnTheWholeText_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("cursor");
    const QStringList steps =
        QStringLiteral(
            "Left*1500|Right|Shift+Left|Shift+Right*1500|Ctrl+Left|Ctrl+Shift+Right|Home|End|"
            "Shift+Home|Shift+End|Ctrl+A|Backspace|Ctrl+Backspace|Ctrl+Del|Ctrl+K|Ctrl+U|Del|5|"
            "Ctrl+C|Ctrl+X|Ctrl+V|menu:Select All|menu:&Copy|menu:Cu&t|menu:&Paste|menu:Delete|"
            "commit:ab")
            .split(u'|');
    for (const auto& [anchor, cursor] :
         {std::pair(0, 0), std::pair(4000, 4000), std::pair(10, 7000), std::pair(7990, 3000)}) {
      for (const QString& step : steps) {
        QTest::addRow("%s from %d to %d", qPrintable(step), anchor, cursor)
            << step << anchor << cursor;
      }
    }
  }
  void stepsActOnTheWholeText() {
    QFETCH(QString, step);
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
    apply(&box, step);
    const QString clipped = clipboard->text();

    QLineEdit plain;
    plain.setMaxLength(std::numeric_limits<int>::max());
    plain.setText(start);
    plain.setSelection(anchor, cursor - anchor);
    clipboard->setText(QStringLiteral("ab"));
    apply(&plain, step);
    QCOMPARE(wholeText(box), plain.text());
    QCOMPARE(heard, plain.text());
    QCOMPARE(clipped, clipboard->text());
    QCOMPARE(box.editor().cursor(), plain.cursorPosition());
    const int length = int(plain.selectedText().size());
    QCOMPARE(box.editor().anchor(), plain.cursorPosition() == plain.selectionStart()
                                        ? plain.cursorPosition() + length
                                        : plain.cursorPosition() - length);
    QVERIFY(!quorvel::forms::TextPart::isLong(std::size_t(box.text().size())));
  }

  void tripleClickSelectsTheWholeText() {
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.editor().show(std::u16string(20000, u'1'));
    const QPoint middle = box.rect().center();
    QTest::mouseDClick(&box, Qt::LeftButton, {}, middle);
    QTest::mouseClick(&box, Qt::LeftButton, {}, middle);
    QCOMPARE(box.editor().selectedText().size(), 20000);
  }

  // X11's primary selection: a middle click pastes it at the caret, and a selection made by key
  // becomes it whole.
  void primarySelectionCarriesTheWholeText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) QSKIP("no primary selection on this platform");
    LongLineEdit box(nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.editor().show(u"12");
    clipboard->setText(QString(1 << 20, u'7'), QClipboard::Selection);
    QTest::mouseClick(&box, Qt::MiddleButton, {}, QPoint(box.width() - 2, box.height() / 2));
    QCOMPARE(wholeText(box), "12" + QString(1 << 20, u'7'));
    clipboard->clear(QClipboard::Selection);
    apply(&box, "Left*3000");
    apply(&box, "Shift+Home");
    QCOMPARE(clipboard->text(QClipboard::Selection).size(), wholeText(box).size() - 3000);
  }
};

QTEST_MAIN(LongTextTest)
#include "long_text_test.moc"
