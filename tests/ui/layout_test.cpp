// Places, sizes and fit of the controls, at 96 dpi with the fonts the set-up installs.
#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QStyleOptionFrame>
#include <QTest>

#include "forms/form1_layout.h"
#include "tests/ui/window_driver.h"
#include "ui/frm_about.h"
#include "ui/palette_rules.h"

using quorvel::testing::WindowDriver;

namespace {

// The room a one-line box gives its text: the style's contents rectangle less the two-pixel
// margins the line edit keeps on each side.
int textRoom(QLineEdit* box) {
  QStyleOptionFrame option;
  option.initFrom(box);
  option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
  const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
  return contents.marginsRemoved(box->textMargins()).width() - 4;
}

// A dark theme's palette, with its disabled text as faint as such themes make it.
QPalette darkPalette() {
  QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
  dark.setColor(QPalette::WindowText, Qt::white);
  dark.setColor(QPalette::Base, QColor(42, 42, 42));
  dark.setColor(QPalette::Text, Qt::white);
  dark.setColor(QPalette::ButtonText, Qt::white);
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::white);
  dark.setColor(QPalette::Disabled, QPalette::Base, QColor(53, 53, 53));
  dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 110, 110));
  return dark;
}

// The contrast of the drawn text of a box: the colour that fills most of its inside against the
// one that stands out most from it.
double drawnContrast(QWidget* box) {
  const QImage image = box->grab().toImage();
  const QRect inside = image.rect().adjusted(3, 3, -3, -3);
  QHash<QRgb, int> counts;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
  }
  QRgb background = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > counts.value(background)) background = it.key();
  }
  double best = 1;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    best = std::max(best, quorvel::contrastRatio(QColor(it.key()), QColor(background)));
  }
  return best;
}

double paletteContrast(const QWidget* w, QPalette::ColorRole text, QPalette::ColorRole back) {
  const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
  return quorvel::contrastRatio(w->palette().color(group, text), w->palette().color(group, back));
}

}  // namespace

class LayoutTest : public quorvel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() { original_ = QApplication::palette(); }
  void cleanup() {
    WindowTest::cleanup();
    QApplication::setPalette(original_);
  }

  void longestTextsFitTheirBoxes() {
    const std::pair<const char*, const char*> longest[] = {
        {"Text4", "255"},   {"Text9", "11111111"}, {"Text15", "11111110"}, {"Text31", "4294967295"},
        {"Text13", "E"},    {"Text14", "/24"},     {"Text27", " 24"},      {"Text30", "= 32"},
        {"Text33", "4096"}, {"Text34", "16777214"}};
    for (const auto& [name, text] : longest) {
      QLineEdit* box = driver_->box(name);
      QVERIFY2(box->fontMetrics().horizontalAdvance(QString::fromLatin1(text)) <= textRoom(box),
               name);
      QVERIFY2(box->fontMetrics().height() <= box->height() - 4, name);
    }
  }

  // Every caption of both windows, and the longest note, fits its room in its own face.
  void captionsFitTheirControls() {
    quorvel::frmAbout about;
    QList<QWidget*> captioned;
    for (QWidget* window :
         {static_cast<QWidget*>(&driver_->form()), static_cast<QWidget*>(&about)}) {
      for (auto* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->text() != QLatin1String("$")) captioned << label;
      }
      for (auto* button : window->findChildren<QAbstractButton*>()) captioned << button;
    }
    QVERIFY(captioned.size() == 10 + 3 + 4 + 2);
    for (QWidget* w : captioned) {
      const auto* label = qobject_cast<QLabel*>(w);
      const QString text = label ? label->text() : qobject_cast<QAbstractButton*>(w)->text();
      QRect room = w->rect();
      if (!label) room.adjust(4, 2, -4, -2);  // the button's bevel
      const int align = label ? int(label->alignment()) : int(Qt::AlignCenter);
      QRect used = w->fontMetrics().boundingRect(room, align | Qt::TextWordWrap, text);
      // Without a descending letter, the last line's descent may meet the edge unseen.
      if (!text.contains(QRegularExpression(QStringLiteral("[gjpqy,]")))) {
        used.setBottom(used.bottom() - w->fontMetrics().descent());
      }
      QVERIFY2(room.contains(used), qPrintable(w->objectName()));
    }
    auto* note = driver_->find<QPlainTextEdit>("Text35");
    const QString longest = QStringLiteral(
        "Note: an additional 33554430 hosts can be defined if you use subnet 0 and the last "
        "(all 1's) subnet)");
    const QRect room = note->viewport()->rect().adjusted(1, 1, -1, -1);
    QVERIFY(room.contains(note->fontMetrics().boundingRect(room, Qt::TextWordWrap, longest)));
  }

  // Each box carries its own name for screen readers.
  void everyBoxHasItsOwnName() {
    QSet<QString> names;
    for (const quorvel::forms::FieldControl& row : quorvel::forms::form1Fields()) {
      const QString name =
          driver_->find<QWidget>(quorvel::forms::fieldName(row.field).c_str())->accessibleName();
      QCOMPARE(name, QString::fromUtf8(row.accessibleName));
      names.insert(name);
    }
    QCOMPARE(names.size(), quorvel::kFieldCount);
  }

  // Every result box reads clearly although greyed, as drawn; so does every other caption, box
  // and button, also when a dark theme's palette arrives while the windows are open. The
  // banners keep their own colours.
  void everythingReadsInEveryPalette_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("default palette") << false;
    QTest::newRow("dark palette") << true;
  }
  void everythingReadsInEveryPalette() {
    QFETCH(bool, dark);
    WindowDriver::type(QStringLiteral("192"));
    for (int i = 0; i < 4; ++i) WindowDriver::press(Qt::Key_Tab);
    WindowDriver::type(QStringLiteral("224"));  // a class C subnet: the note shows
    quorvel::frmAbout about;
    about.show();
    if (dark) {
      QApplication::setPalette(darkPalette());
      QTRY_COMPARE(about.palette().color(QPalette::Window), QColor(53, 53, 53));
    }
    QVERIFY(driver_->find<QWidget>("Text35")->isVisible());

    int results = 0;
    for (auto* box : driver_->form().findChildren<QWidget*>(QRegularExpression("^Text\\d+$"))) {
      if (box->isHidden()) continue;
      const double drawn = drawnContrast(box);
      QVERIFY2(drawn >= quorvel::forms::kReadableContrast,
               qPrintable(box->objectName() + QStringLiteral(": %1").arg(drawn)));
      results += box->isEnabled() ? 0 : 1;
    }
    QCOMPARE(results, 26 + 2);  // every display box and the two closed mask boxes, disabled

    for (QWidget* window :
         {static_cast<QWidget*>(&driver_->form()), static_cast<QWidget*>(&about)}) {
      for (auto* label : window->findChildren<QLabel*>()) {
        const bool banner = label->autoFillBackground();
        const QColor back = label->palette().color(QPalette::Window);
        if (banner) {
          QVERIFY(back == QColor(0, 0, 255) || back == QColor(0, 192, 192));
          QCOMPARE(label->palette().color(QPalette::WindowText),
                   QApplication::palette().color(QPalette::HighlightedText));
        } else if (!label->text().isEmpty()) {
          QVERIFY2(paletteContrast(label, QPalette::WindowText, QPalette::Window) >= 4.5,
                   qPrintable(label->objectName()));
        }
      }
      for (auto* button : window->findChildren<QAbstractButton*>()) {
        QVERIFY2(paletteContrast(button, QPalette::ButtonText, QPalette::Button) >= 4.5,
                 qPrintable(button->objectName()));
      }
    }
  }

 private:
  QPalette original_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
