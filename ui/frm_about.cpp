#include "ui/frm_about.h"

#include <QLabel>
#include <QPushButton>

#include "forms/about_layout.h"
#include "forms/program_identity.h"
#include "ui/design_font.h"
#include "ui/etched_rule.h"
#include "ui/last_frame.h"
#include "ui/palette_rules.h"
#include "ui/program_icon.h"
#include "ui/system_info.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace quorvel {
namespace {

QLabel* addLabel(QWidget* parent, const forms::AboutControl& control, const QString& text,
                 bool black) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(control.name));
  label->setGeometry(twipsRect(control.place));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  if (black) preferTextColour(label, Qt::black);
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  registerFontSubstitutes();
  setObjectName(QStringLiteral("frmAbout"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(dialogFont());
  setWindowIcon(programIcon());
  // The box always opens at the same place on the screen (except under Wayland, where the
  // compositor places every window).
  setGeometry(twipsRect(forms::kAboutClientArea));
  setFixedSize(size());

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QLatin1String(forms::kPicIcon.name));
  picIcon->setGeometry(twipsRect(forms::kPicIcon.place));
  picIcon->setPixmap(programIconImage());
  picIcon->setAlignment(Qt::AlignCenter);

  lblTitle_ = addLabel(this, forms::kLblTitle, QString(), true);
  lblVersion_ = addLabel(this, forms::kLblVersion, QString(), false);
  addLabel(this, forms::kLblDescription, uiText(forms::kDescription), true);
  addLabel(this, forms::kLblDisclaimer, uiText(forms::kDisclaimer), true);

  auto* line1 = new EtchedRule(this);
  line1->setObjectName(QStringLiteral("Line1"));
  const forms::RuleLine& shade = forms::kLine1Shade;
  line1->setGeometry(twipsToPixels(shade.left), twipsToPixels(shade.top),
                     twipsToPixels(shade.right - shade.left + kTwipsPerPixel - 1),
                     shade.pixels + forms::kLine1Light.pixels);

  cmdOK_ = new QPushButton(uiText(forms::kOkCaption), this);
  cmdOK_->setObjectName(QLatin1String(forms::kCmdOK.name));
  cmdOK_->setGeometry(twipsRect(forms::kCmdOK.place));
  cmdOK_->setDefault(true);

  cmdSysInfo_ = new QPushButton(uiText(forms::kSysInfoCaption), this);
  cmdSysInfo_->setObjectName(QLatin1String(forms::kCmdSysInfo.name));
  cmdSysInfo_->setGeometry(twipsRect(forms::kCmdSysInfo.place));
  cmdSysInfo_->setAccessibleName(uiText(forms::kSysInfoAccessibleName));

  setTabOrder(cmdOK_, cmdSysInfo_);
  cmdOK_->setFocus();

  // OK, Enter and Escape all close the box; closing destroys it.
  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::accept);
  connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

  Form_Load();
}

void frmAbout::Form_Load() {
  setWindowTitle(uiText(forms::aboutCaption(forms::kTitle)));
  lblVersion_->setText(uiText(
      forms::versionText(forms::kVersionMajor, forms::kVersionMinor, forms::kVersionRevision)));
  lblTitle_->setText(uiText(forms::kTitle));
}

void frmAbout::done(int result) {
  if (!putOffUntilLastFrame(this, [this, result] { QDialog::done(result); })) QDialog::done(result);
}

void frmAbout::cmdSysInfo_Click() {
  StartSysInfo();
}

void frmAbout::StartSysInfo() {
  startSystemInformation(this);
}

}  // namespace quorvel
