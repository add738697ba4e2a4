#include "ui/frm_about.h"

#include <QLabel>
#include <QPushButton>

#include "quorvel_ui/app_info.h"
#include "ui/design_font.h"
#include "ui/etched_rule.h"
#include "ui/program_icon.h"
#include "ui/system_info.h"
#include "ui/twips.h"

namespace quorvel {
namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QRect& place, const QString& text,
                 bool black) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  if (black) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
  }
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
  // The box always opens at the same place on the screen.
  setGeometry(twipsRect(2340, 1935, 5730, 3555));
  setFixedSize(size());

  auto* picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(twipsRect(240, 240, 540, 540));
  picIcon->setPixmap(programIconImage());
  picIcon->setAlignment(Qt::AlignCenter);

  lblTitle_ = addLabel(this, "lblTitle", twipsRect(1050, 240, 3885, 480), QString(), true);
  lblVersion_ = addLabel(this, "lblVersion", twipsRect(1050, 780, 3885, 225), QString(), false);
  addLabel(this, "lblDescription", twipsRect(1050, 1125, 3885, 1170),
           QStringLiteral("I hope this program helps you visualize IP numbers and Subnet Masks."),
           true);
  addLabel(this, "lblDisclaimer", twipsRect(255, 2625, 2910, 825),
           QStringLiteral("Provided as is, without warranty of any kind."), true);

  auto* line1 = new EtchedRule(this);
  line1->setObjectName(QStringLiteral("Line1"));
  line1->setGeometry(twipsToPixels(90), twipsToPixels(2445),
                     twipsToPixels(5654 - 90 + kTwipsPerPixel - 1), 3);

  cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  cmdOK_->setGeometry(twipsRect(4245, 2625, 1260, 345));
  cmdOK_->setDefault(true);

  cmdSysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
  cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
  cmdSysInfo_->setGeometry(twipsRect(4260, 3075, 1245, 345));
  cmdSysInfo_->setAccessibleName(QStringLiteral("System Info..."));

  setTabOrder(cmdOK_, cmdSysInfo_);
  cmdOK_->setFocus();

  // OK, Enter and Escape all close the box; closing destroys it.
  connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::accept);
  connect(cmdSysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

  Form_Load();
}

void frmAbout::Form_Load() {
  const QString title = QString::fromLatin1(app_info::kTitle);
  setWindowTitle(QStringLiteral("About ") + title);
  lblVersion_->setText(QStringLiteral("Version %1.%2.%3")
                           .arg(app_info::kVersionMajor)
                           .arg(app_info::kVersionMinor)
                           .arg(app_info::kVersionPatch));
  lblTitle_->setText(title);
}

void frmAbout::cmdSysInfo_Click() {
  StartSysInfo();
}

void frmAbout::StartSysInfo() {
  startSystemInformation(this);
}

}  // namespace quorvel
