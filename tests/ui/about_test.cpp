// The About box: one instance, its load rule, the ways it closes, EXIT and System Info.
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/window_driver.h"
#include "ui/system_info.h"

using quorvel::testing::WindowDriver;

namespace {

QList<QWidget*> aboutBoxes() {
  QList<QWidget*> boxes;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == QLatin1String("frmAbout") && w->isVisible()) boxes << w;
  }
  return boxes;
}

QWidget* openAbout(WindowDriver& driver) {
  driver.click("Command3");
  const QList<QWidget*> boxes = aboutBoxes();
  return boxes.size() == 1 ? boxes.front() : nullptr;
}

// Runs the event loop as the program does, ending when the last window closes (or, should the
// program fail to end, after ten seconds with code 1).
int runProgramUntilItEnds() {
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(10000);
  const int code = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(false);
  return code;
}

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init() {
    driver_ = std::make_unique<WindowDriver>();
    QVERIFY(driver_->active());
  }
  void cleanup() {
    driver_.reset();
    QTRY_VERIFY(aboutBoxes().isEmpty());
  }

  void aboutTwiceGivesOneBox() {
    QPointer<QWidget> first = openAbout(*driver_);
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QStringLiteral("About quorvel"));
    QCOMPARE(first->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("quorvel"));
    QCOMPARE(first->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(!first->isModal());                       // the main window stays usable
    first->setWindowTitle(QStringLiteral("marked"));  // a second load rule would undo this
    QCOMPARE(openAbout(*driver_), first.data());
    QCOMPARE(first->windowTitle(), QStringLiteral("marked"));

    QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());  // destroyed, not only hidden
    QWidget* second = openAbout(*driver_);
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("About quorvel"));
  }

  void keysCloseTheBox_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
  }
  void keysCloseTheBox() {
    QFETCH(int, key);
    QPointer<QWidget> about = openAbout(*driver_);
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdOK"));
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    QTRY_VERIFY(about.isNull());
  }

  void exitEndsTheProgramWithTheBoxOpen() {
    QPointer<QWidget> about = openAbout(*driver_);
    QVERIFY(about);
    QTimer::singleShot(0, this, [this] { driver_->click("Command1"); });
    const int code = runProgramUntilItEnds();
    QCOMPARE(code, 0);
    QVERIFY(!driver_->form().isVisible());
    QTRY_VERIFY(about.isNull());
  }

  void programRunsUntilTheLastWindowCloses() {
    QPointer<QWidget> about = openAbout(*driver_);
    QVERIFY(about);
    bool aliveAfterMainWindow = false;
    QTimer::singleShot(0, this, [this] { driver_->form().close(); });
    QTimer::singleShot(100, this, [&] {
      aliveAfterMainWindow = !about.isNull() && about->isVisible();
      if (about) about->close();
    });
    const int code = runProgramUntilItEnds();
    QVERIFY(aliveAfterMainWindow);
    QCOMPARE(code, 0);
  }

  void systemInfoReportsThroughTheMessage() {
    QWidget* about = openAbout(*driver_);
    QVERIFY(about);
    QStringList shown;
    QWidget* parent = nullptr;
    const quorvel::MessageFunction previous =
        quorvel::setMessageFunction([&](QWidget* p, const QString& text) {
          parent = p;
          shown << text;
        });
    QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    quorvel::setMessageFunction(previous);
    QCOMPARE(shown, QStringList{"System Information Is Unavailable At This Time"});
    QCOMPARE(parent, about);
  }

  void standardMessageBoxHasOkOnly() {
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      title = box->windowTitle();
      icon = box->icon();
      buttons = box->standardButtons();
      box->accept();
    });
    quorvel::showMessage(&driver_->form(), QStringLiteral("text"));
    QCOMPARE(title, QStringLiteral("quorvel"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

 private:
  std::unique_ptr<WindowDriver> driver_;
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
