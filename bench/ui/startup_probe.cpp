// Opens one window, waits until its first paint has finished, prints the monotonic clock at that
// moment in nanoseconds and the process's peak resident size so far in kB, and exits. "quorvel"
// starts as the program does and opens the main window over a fresh sheet; "bare" opens a plain
// window with the same 66 controls (35 boxes, 28 labels, 3 buttons) and no logic.
//
// "compare [runs]" starts itself that many times in each mode, the two modes taking turns so that
// both see the same machine, and prints the medians and their ratios (offscreen unless
// QT_QPA_PLATFORM says otherwise).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "quorvel_ui/app_info.h"
#include "ui/design_font.h"
#include "ui/form1.h"
#include "ui/program_icon.h"

extern char** environ;

namespace {

// The peak resident size of this program's own memory (getrusage would also count the memory
// of the process that launched it, which the kernel carries across exec).
long long monotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

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
        std::printf("%lld %ld\n", monotonicNs(), peakResidentKb());
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

struct Sample {
  double ms;
  double mb;
};

// Starts this program in one mode; false if it failed.
bool measure(const char* mode, Sample& sample) {
  int out[2];
  if (pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // Qt's start-up notes would drown the table; a probe that fails says so by its exit status.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char self[] = "/proc/self/exe";
  std::string arg = mode;
  char* argv[] = {self, arg.data(), nullptr};
  const long long launched = monotonicNs();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return false;
  }
  FILE* reply = fdopen(out[0], "r");
  long long painted = 0;
  long peakKb = 0;
  const bool read = std::fscanf(reply, "%lld %ld", &painted, &peakKb) == 2;
  std::fclose(reply);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  sample = {static_cast<double>(painted - launched) / 1e6, static_cast<double>(peakKb) / 1024};
  return true;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int compare(int runs) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  std::vector<double> ms[2];
  std::vector<double> mb[2];
  const char* modes[2] = {"quorvel", "bare"};
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < 2; ++k) {
      const int m = (i + k) % 2;  // each mode goes first every other round
      Sample sample{};
      if (!measure(modes[m], sample)) {
        std::fprintf(stderr, "the %s probe failed\n", modes[m]);
        return 1;
      }
      ms[m].push_back(sample.ms);
      mb[m].push_back(sample.mb);
    }
  }
  for (int m = 0; m < 2; ++m) {
    std::printf("%-8s %6.1f ms %6.1f MB peak (medians of %d)\n", modes[m], median(ms[m]),
                median(mb[m]), runs);
  }
  std::printf("ratio    %6.2f    %6.2f\n", median(ms[0]) / median(ms[1]),
              median(mb[0]) / median(mb[1]));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && std::strcmp(argv[1], "compare") == 0) {
    return compare(argc > 2 ? std::max(1, std::atoi(argv[2])) : 20);
  }
  QApplication app(argc, argv);
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  FirstPaint probe;
  app.installEventFilter(&probe);
  std::unique_ptr<QWidget> window;
  if (bare) {
    window = bareWindow();
  } else {  // what the program's main does before its window
    QApplication::setApplicationName(QString::fromLatin1(quorvel::app_info::kTitle));
    QApplication::setWindowIcon(quorvel::programIcon());
    quorvel::useDialogFontThroughout();
    window = std::make_unique<quorvel::Form1>();
  }
  window->show();
  return QApplication::exec();
}
