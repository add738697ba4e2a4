// The About box: one instance, its load rule, and System Info. (Enter, Escape, its close button
// and EXIT are the Wayland close check's, scripts/close-stress; the life cycle is WindowLife's.)
#include <signal.h>
#include <sys/wait.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

#include "tests/ui/window_driver.h"
#include "ui/system_info.h"

using namespace Qt::StringLiterals;
using quorvel::testing::WindowDriver;

namespace {

QString readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class AboutTest : public quorvel::testing::WindowTest {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanup() {
    WindowTest::cleanup();
    QTRY_VERIFY(WindowDriver::aboutBoxes().isEmpty());
  }

  void aboutTwiceGivesOneBox() {
    QPointer<QWidget> first = driver_->openAbout();
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QStringLiteral("About quorvel"));
    QCOMPARE(first->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("quorvel"));
    QCOMPARE(first->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QVERIFY(!first->isModal());                       // the main window stays usable
    first->setWindowTitle(QStringLiteral("marked"));  // a second load rule would undo this
    QCOMPARE(driver_->openAbout(), first.data());
    QCOMPARE(first->windowTitle(), QStringLiteral("marked"));

    QTest::mouseClick(first->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());  // destroyed, not only hidden
    QWidget* second = driver_->openAbout();
    QVERIFY(second);
    QCOMPARE(second->windowTitle(), QStringLiteral("About quorvel"));
  }

  // Each row installs programs in a folder that, after an empty one, is all PATH holds:
  // "run:NAME" a script that records how it was started, "plain:NAME" a file that may not be
  // executed, "folder:NAME" a folder, "junk:NAME" an executable file exec refuses. `started` names
  // the program the press starts; empty, the message appears instead. System Info is pressed by a
  // click, by Enter when it holds the focus, or by Alt+S from anywhere; the box stays open.
  void systemInfoStartsTheDesktopsProgram_data() {
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started");
    QTest::newRow("nothing") << u"Alt+S"_s << QStringList{} << QString();
    QTest::newRow("KDE first") << u"click"_s
                               << QStringList{"run:hardinfo", "run:hardinfo2", "run:kinfocenter"}
                               << u"kinfocenter"_s;
    QTest::newRow("hardinfo2 next")
        << u"click"_s << QStringList{"folder:kinfocenter", "run:hardinfo", "run:hardinfo2"}
        << u"hardinfo2"_s;
    QTest::newRow("not executable")
        << u"Alt+S"_s << QStringList{"plain:kinfocenter", "run:hardinfo"} << u"hardinfo"_s;
    QTest::newRow("exec fails") << u"Enter"_s << QStringList{"junk:kinfocenter", "run:hardinfo"}
                                << QString();
  }
  void systemInfoStartsTheDesktopsProgram() {
    QFETCH(QString, press);
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    QTemporaryDir empty;
    QTemporaryDir dir;
    const QString mark = dir.filePath(QStringLiteral("started"));
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    QVERIFY(!sleep.isEmpty());
    for (const QString& entry : installed) {
      const QString kind = entry.section(':', 0, 0);
      const QString path = dir.filePath(entry.section(':', 1));
      if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
        continue;
      }
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      if (kind == QLatin1String("junk")) {
        file.write("not a program\n");
      } else {  // records its process, its argument count and its own path, then stays a while
        file.write(QStringLiteral("#!/bin/sh\necho \"$$ $# $0\" > '%1'\nexec '%2' 300\n")
                       .arg(mark, sleep)
                       .toUtf8());
      }
      file.close();
      if (kind != QLatin1String("plain")) {
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
      }
    }

    QPointer<QWidget> about = driver_->openAbout();
    QVERIFY(about);
    if (press != QLatin1String("click")) QVERIFY(quorvel::testing::waitUntilActive(about));
    if (press == QLatin1String("Enter")) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdSysInfo"));
    }
    QStringList shown;
    QWidget* parent = nullptr;
    const quorvel::MessageFunction previous =
        quorvel::setMessageFunction([&](QWidget* p, const QString& text) {
          parent = p;
          shown << text;
        });
    const QByteArray searchPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path() + ':' + dir.path()));
    if (press == QLatin1String("click")) {
      QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    } else if (press == QLatin1String("Enter")) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    }
    // A shortcut presses its button a moment later.
    QTRY_VERIFY_WITH_TIMEOUT(!shown.isEmpty() || QFile::exists(mark), 60000);
    qputenv("PATH", searchPath);
    quorvel::setMessageFunction(previous);

    QVERIFY(!about.isNull() && about->isVisible());
    if (started.isEmpty()) {
      QCOMPARE(shown, QStringList{"System Information Is Unavailable At This Time"});
      QCOMPARE(parent, about.data());
      return;
    }
    QCOMPARE(shown, QStringList{});
    QString record;
    QTRY_VERIFY_WITH_TIMEOUT((record = readAll(mark)).endsWith('\n'), 60000);
    const QStringList fields = record.trimmed().split(' ');
    QCOMPARE(fields.mid(1), (QStringList{"0", dir.filePath(started)}));  // no arguments
    const pid_t program = fields.front().toInt();
    QVERIFY(program > 0 && kill(program, 0) == 0);  // still running: the click did not wait
    // Nothing is left for this process to reap, not even the running program.
    QCOMPARE(waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
    kill(program, SIGTERM);
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
