// Opens one window, waits until its first paint has finished, prints the monotonic clock at that
// moment in nanoseconds and the process's peak resident size so far in kB, and exits. "quorvel"
// opens the main window over a fresh sheet; "bare" opens a plain window with the same 66 controls
// (35 boxes, 28 labels, 3 buttons) and no logic.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "ui/form1.h"

namespace {

// The peak resident size of this program's own memory (getrusage would also count the memory
// of the process that launched it, which the kernel carries across exec).
long peakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmHWM:" && status >> value) return value;
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

std::unique_ptr<QWidget> bareWindow() {
  auto window = std::make_unique<QWidget>();
  window->resize(434, 437);
  int n = 0;
  const auto place = [&n](QWidget* w) {
    w->setGeometry(8 + (n % 6) * 70, 8 + (n / 6) * 34, 60, 19);
    ++n;
  };
  for (int i = 0; i < 34; ++i) place(new QLineEdit(QStringLiteral("000"), window.get()));
  place(new QPlainTextEdit(window.get()));
  for (int i = 0; i < 28; ++i) place(new QLabel(QStringLiteral("Label"), window.get()));
  for (int i = 0; i < 3; ++i) place(new QPushButton(QStringLiteral("Button"), window.get()));
  return window;
}

class FirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The whole paint pass runs synchronously; a zero timer fires once it is over.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    peakResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  FirstPaint probe;
  app.installEventFilter(&probe);
  std::unique_ptr<QWidget> window = bare ? bareWindow() : std::make_unique<quorvel::Form1>();
  window->show();
  return QApplication::exec();
}
