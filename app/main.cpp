#include <QApplication>

#include "app/graceful_quit.h"
#include "forms/program_identity.h"
#include "ui/design_font.h"
#include "ui/form1.h"
#include "ui/program_icon.h"
#include "ui/text.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(quorvel::uiText(quorvel::forms::kTitle));
  QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                          .arg(quorvel::forms::kVersionMajor)
                                          .arg(quorvel::forms::kVersionMinor)
                                          .arg(quorvel::forms::kVersionRevision));
  QApplication::setWindowIcon(quorvel::programIcon());
  quorvel::useDialogFontThroughout();

  quorvel::quitGracefullyOnTermination(&app);

  quorvel::Form1 window;
  window.show();
  return QApplication::exec();
}
