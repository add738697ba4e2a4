// Renders the main window, with an example typed in as a user would, into the PNG file named
// first on the command line, and the About box into the second one if given.
#include <QApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QTest>
#include <cstdio>

#include "ui/form1.h"
#include "ui/frm_about.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s MAIN.png [ABOUT.png]\n", argv[0]);
    return 2;
  }
  quorvel::Form1 window;
  window.show();
  window.activateWindow();
  // Wait for the activation, so that the focus frame and the selection show as a user sees them.
  const QDeadlineTimer deadline(5000);
  while (!window.isActiveWindow() && !deadline.hasExpired()) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  // 192.168.1.1 with the mask 255.255.255.224: three subnet bits, so every total shows.
  for (const char* keys : {"192", "168", "1", "1", "224"}) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(keys));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc == 3) {
    quorvel::frmAbout about;
    about.show();
    QApplication::processEvents();
    if (!about.grab().save(QString::fromLocal8Bit(argv[2]))) {
      std::fprintf(stderr, "cannot write %s\n", argv[2]);
      return 1;
    }
  }
  return 0;
}
