// A keystroke's full cost in the main window, and the program's start-up beside a bare window.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>

#include "ui/field_edit.h"
#include "ui/form1.h"

extern char** environ;

namespace {

bool showActive(quorvel::Form1& form, benchmark::State& state) {
  form.show();
  form.activateWindow();
  if (QTest::qWaitForWindowActive(&form)) return true;
  state.SkipWithError("window not active");
  return false;
}

// Types the key that moves the first octet between class A and class C: "19" and "192" in turn.
void classChangingKeystroke(benchmark::State& state, bool paint) {
  quorvel::Form1 form;
  if (!showActive(form, state)) return;
  auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("19"));
  bool longer = false;
  for (auto _ : state) {
    QTest::keyClick(QApplication::focusWidget(), longer ? Qt::Key_Backspace : Qt::Key_2);
    if (paint) QApplication::processEvents();
    longer = !longer;
  }
  if (text1->text().size() < 2 || form.sheet().text(quorvel::Field::Text13) == "B") {
    state.SkipWithError("the keystrokes did not reach the sheet");
  }
}

void BM_ClassChangingKeystroke(benchmark::State& state) {
  classChangingKeystroke(state, false);
}
void BM_ClassChangingKeystrokeAndPaint(benchmark::State& state) {
  classChangingKeystroke(state, true);
}

// Pastes 1 MB of digits over the whole text of a box, through the clipboard and Ctrl+V as a user
// would, and lets the window repaint.
void BM_LongPaste(benchmark::State& state, const char* box) {
  quorvel::Form1 form;
  if (!showActive(form, state)) return;
  const bool whole = std::string_view(box) == "Text32";
  auto* target = form.findChild<QLineEdit*>(QLatin1String(whole ? "Text31" : box));
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, 4));
  QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
  for (auto _ : state) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
  }
  const auto* pasted = qobject_cast<quorvel::FieldEdit*>(QApplication::focusWidget());
  if (!pasted || pasted->objectName() != QLatin1String(box)) {
    state.SkipWithError("the paste went elsewhere");
  } else if (whole && form.sheet().text(pasted->field()).size() != std::size_t{1} << 20) {
    state.SkipWithError("the sheet did not get the whole paste");
  }
}

// A keystroke at the end of a megabyte in the whole-address box: the sheet reads the number, the
// box splices the key into its whole text.
void BM_KeystrokeAfterLongPaste(benchmark::State& state) {
  quorvel::Form1 form;
  if (!showActive(form, state)) return;
  QTest::mouseClick(form.findChild<QLineEdit*>(QStringLiteral("Text31")), Qt::LeftButton, {},
                    QPoint(4, 4));
  QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('7')));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  bool longer = false;
  for (auto _ : state) {
    QTest::keyClick(QApplication::focusWidget(), longer ? Qt::Key_Backspace : Qt::Key_1);
    QApplication::processEvents();
    longer = !longer;
  }
  if (form.sheet().text(quorvel::Field::Text32).size() < std::size_t{1} << 20) {
    state.SkipWithError("the paste did not reach the sheet");
  }
}

double monotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Launches the probe, which prints the clock and its peak resident size when its window has
// painted; the time from launch to then is the iteration's time, the peak size a counter.
void startUp(benchmark::State& state, const char* mode) {
  const std::string probe =
      (QCoreApplication::applicationDirPath() + QStringLiteral("/ui_startup_probe")).toStdString();
  long peakKb = 0;
  for (auto _ : state) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
      state.SkipWithError("pipe failed");
      return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string arg = mode;
    char* argv[] = {const_cast<char*>(probe.c_str()), arg.data(), nullptr};
    const double launched = monotonicSeconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
      close(pipeFds[0]);
      state.SkipWithError("cannot start the probe");
      return;
    }
    char line[64] = {};
    FILE* out = fdopen(pipeFds[0], "r");
    const bool read = std::fgets(line, sizeof line, out) != nullptr;
    std::fclose(out);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the probe failed");
      return;
    }
    char* rest = nullptr;
    const double painted = std::strtod(line, &rest) * 1e-9;
    state.SetIterationTime(painted - launched);
    peakKb = std::max(peakKb, std::strtol(rest, nullptr, 10));
  }
  state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
}

void BM_StartUpQuorvel(benchmark::State& state) {
  startUp(state, "quorvel");
}
void BM_StartUpBareWindow(benchmark::State& state) {
  startUp(state, "bare");
}

}  // namespace

BENCHMARK(BM_ClassChangingKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClassChangingKeystrokeAndPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_LongPaste, address_octet, "Text2")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongPaste, mask_octet, "Text23")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LongPaste, whole_address, "Text32")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeAfterLongPaste)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpQuorvel)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpBareWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  // Headless unless told otherwise; the probes inherit the choice.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
