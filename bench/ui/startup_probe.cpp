// Opens one window, waits until its first paint has finished, prints the monotonic clock at that
// moment in nanoseconds and the process's peak resident size so far in kB, and exits. "quorvel"
// starts as the program does and opens the main window over a fresh sheet; "bare" opens a plain
// window with the same 66 controls (35 boxes, 28 labels, 3 buttons) and no logic, in one face;
// "faces" the same bare window, each control in the face the main window gives it.
//
// "compare [runs]" starts itself that many times in each mode, the modes taking turns so that
// all see the same machine, and prints the medians and quorvel's ratios to the two others
// (offscreen unless QT_QPA_PLATFORM says otherwise).
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

#include "forms/form1_layout.h"
#include "forms/program_identity.h"
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

// With `designed`, each control takes the face of its counterpart in the main window's layout.
std::unique_ptr<QWidget> bareWindow(bool designed) {
  using quorvel::forms::Face;
  auto window = std::make_unique<QWidget>();
  window->resize(434, 437);
  int n = 0;
  const auto place = [&n, designed](QWidget* w, Face face) {
    w->setGeometry(8 + (n % 6) * 70, 8 + (n / 6) * 34, 60, 19);
    if (designed && face != Face::Dialog) {
      const quorvel::forms::DesignedFont font = quorvel::forms::fontOf(face);
      w->setFont(quorvel::designFont(font.family, font.points, font.bold));
    }
    ++n;
  };
  for (const auto& row : quorvel::forms::form1Fields()) {
    if (row.field == quorvel::Field::Text35) {
      place(new QPlainTextEdit(window.get()), row.face);
    } else {
      place(new QLineEdit(QStringLiteral("000"), window.get()), row.face);
    }
  }
  for (const auto& row : quorvel::forms::form1Labels()) {
    place(new QLabel(QStringLiteral("Label"), window.get()), row.face);
  }
  for (const auto& row : quorvel::forms::form1Buttons()) {
    place(new QPushButton(QStringLiteral("Button"), window.get()), row.face);
  }
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
  constexpr int kModes = 3;
  std::vector<double> ms[kModes];
  std::vector<double> mb[kModes];
  const char* modes[kModes] = {"quorvel", "faces", "bare"};
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < kModes; ++k) {
      const int m = (i + k) % kModes;  // each mode goes first in turn
      Sample sample{};
      if (!measure(modes[m], sample)) {
        std::fprintf(stderr, "the %s probe failed\n", modes[m]);
        return 1;
      }
      ms[m].push_back(sample.ms);
      mb[m].push_back(sample.mb);
    }
  }
  for (int m = 0; m < kModes; ++m) {
    std::printf("%-8s %6.1f ms %6.1f MB peak (medians of %d)\n", modes[m], median(ms[m]),
                median(mb[m]), runs);
  }
  for (int m = 1; m < kModes; ++m) {
    std::printf("quorvel / %-5s %6.3f  %6.3f\n", modes[m], median(ms[0]) / median(ms[m]),
                median(mb[0]) / median(mb[m]));
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && std::strcmp(argv[1], "compare") == 0) {
    return compare(argc > 2 ? std::max(1, std::atoi(argv[2])) : 20);
  }
  QApplication app(argc, argv);
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  const bool faces = argc > 1 && std::strcmp(argv[1], "faces") == 0;
  FirstPaint probe;
  app.installEventFilter(&probe);
  std::unique_ptr<QWidget> window;
  if (bare) {
    window = bareWindow(false);
  } else if (faces) {  // the program's faces, nothing else of it
    quorvel::useDialogFontThroughout();
    window = bareWindow(true);
  } else {  // what the program's main does before its window
    QApplication::setApplicationName(QString::fromLatin1(quorvel::forms::kTitle));
    QApplication::setWindowIcon(quorvel::programIcon());
    quorvel::useDialogFontThroughout();
    window = std::make_unique<quorvel::Form1>();
  }
  window->show();
  return QApplication::exec();
}
