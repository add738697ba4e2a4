#include "ui/frm_about.h"

#include <QLabel>
#include <QPushButton>

#include "forms/about_layout.h"
#include "ui/design_font.h"
#include "ui/etched_rule.h"
#include "ui/last_frame.h"
#include "ui/palette_rules.h"
#include "ui/program_icon.h"
#include "ui/system_info.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace quorvel {
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

  QWidget* previous = nullptr;
  for (const forms::AboutControl* row : forms::kAboutControls) {
    QWidget* widget = create(*row);
    widget->setObjectName(QLatin1String(row->name));
    widget->setGeometry(twipsRect(row->place));
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }

  auto* line1 = new EtchedRule(this);
  line1->setObjectName(QStringLiteral("Line1"));
  const forms::RuleLine& shade = forms::kLine1Shade;
  line1->setGeometry(twipsToPixels(shade.left), twipsToPixels(shade.top),
                     twipsToPixels(shade.right - shade.left + kTwipsPerPixel - 1),
                     shade.pixels + forms::kLine1Light.pixels);

  findChild<QPushButton*>(QLatin1String(forms::kAboutControls.front()->name))->setFocus();
  Form_Load();
}

QWidget* frmAbout::create(const forms::AboutControl& row) {
  const QString caption = row.caption ? uiText(row.caption) : QString();
  switch (row.kind) {
    case forms::AboutKind::Picture: {
      auto* picture = new QLabel(this);
      picture->setPixmap(programIconImage());
      picture->setAlignment(Qt::AlignCenter);
      return picture;
    }
    case forms::AboutKind::Label: {
      auto* label = new QLabel(caption, this);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
      if (row.colour == forms::TextColour::Black) preferTextColour(label, Qt::black);
      return label;
    }
    case forms::AboutKind::Button:
      break;
  }
  auto* button = new QPushButton(caption, this);
  button->setAccessibleName(uiText(row.accessibleName));
  // OK, Enter and Escape all close the box; closing destroys it.
  const bool closes = row.role == forms::ButtonRole::DefaultAndCancel;
  button->setDefault(closes);
  if (closes) connect(button, &QPushButton::clicked, this, &frmAbout::accept);
  if (&row == &forms::kCmdSysInfo) {
    connect(button, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
  }
  return button;
}

void frmAbout::Form_Load() {
  const forms::AboutLoad load = forms::aboutLoad();
  setWindowTitle(uiText(load.caption));
  for (const auto& [row, text] : load.texts) {
    findChild<QLabel*>(QLatin1String(row->name))->setText(uiText(text));
  }
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
