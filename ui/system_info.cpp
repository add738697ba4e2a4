#include "ui/system_info.h"

#include <QMessageBox>

#include "forms/program_identity.h"
#include "sysinfo/native_platform.h"
#include "sysinfo/start_sys_info.h"
#include "ui/last_frame.h"
#include "ui/text.h"

namespace quorvel {
namespace {

// Closes once its last frame is done, as every window does.
class MessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void done(int result) override {
    if (!putOffUntilLastFrame(this, [this, result] { QMessageBox::done(result); })) {
      QMessageBox::done(result);
    }
  }
};

void showMessageBox(QWidget* parent, const QString& text) {
  MessageBox box(QMessageBox::NoIcon, uiText(forms::kTitle), text, QMessageBox::Ok, parent);
  box.exec();
}

MessageFunction& messageFunction() {
  static MessageFunction function = showMessageBox;
  return function;
}

}  // namespace

MessageFunction setMessageFunction(MessageFunction function) {
  MessageFunction previous = std::move(messageFunction());
  messageFunction() = function ? std::move(function) : MessageFunction(showMessageBox);
  return previous;
}

void showMessage(QWidget* parent, const QString& text) {
  messageFunction()(parent, text);
}

void startSystemInformation(QWidget* parent) {
  // The one message is shown over the About box; its caption is the title the box shows.
  sysinfo::NativePlatform platform(
      [parent](const std::string& text, const std::string& /*caption*/) {
        showMessage(parent, uiText(text));
      });
  sysinfo::StartSysInfo(platform, forms::kTitle);
}

}  // namespace quorvel
