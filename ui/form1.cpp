#include "ui/form1.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <algorithm>
#include <functional>
#include <vector>

#include "ui/caption_button.h"
#include "ui/design_font.h"
#include "ui/field_edit.h"
#include "ui/frm_about.h"
#include "ui/program_icon.h"
#include "ui/separator_mark.h"
#include "ui/sheet_binding.h"
#include "ui/twips.h"

namespace quorvel {
namespace {

// The layout's fonts; Default is the window's own.
enum class Face : std::uint8_t { Default, F1, F2, F3, F4, F5 };

QFont faceFont(Face face) {
  switch (face) {
    case Face::F1:
      return designFont(kDialogFamily, 18, true);
    case Face::F2:
      return designFont(kDialogFamily, 12, true);
    case Face::F3:
      return designFont(kDialogFamily, 9.75, true);
    case Face::F4:
      return designFont(kDialogFamily, 8.25, true);
    case Face::F5:
      return designFont(kDialogFamily, 13.5, true);
    case Face::Default:
      break;
  }
  return dialogFont();
}

struct Place {
  int left, top, width, height;  // twips from the client area's top-left corner
  [[nodiscard]] QRect pixels() const { return twipsRect(left, top, width, height); }
};

struct FieldRow {
  Field field;
  Place place;
  Face face;
  const char* role;  // what a screen reader announces
};

constexpr FieldRow kFields[] = {
    {Field::Text1, {480, 840, 615, 285}, Face::Default, "IP octet 1, decimal"},
    {Field::Text2, {1440, 840, 615, 285}, Face::Default, "IP octet 2, decimal"},
    {Field::Text3, {2400, 840, 615, 285}, Face::Default, "IP octet 3, decimal"},
    {Field::Text4, {3360, 840, 615, 285}, Face::Default, "IP octet 4, decimal"},
    {Field::Text13, {4440, 1200, 495, 495}, Face::F1, "Address class"},
    {Field::Text5, {480, 1320, 615, 285}, Face::Default, "IP octet 1, hexadecimal"},
    {Field::Text6, {1440, 1320, 615, 285}, Face::Default, "IP octet 2, hexadecimal"},
    {Field::Text7, {2400, 1320, 615, 285}, Face::Default, "IP octet 3, hexadecimal"},
    {Field::Text8, {3360, 1320, 615, 285}, Face::Default, "IP octet 4, hexadecimal"},
    {Field::Text9, {480, 1800, 855, 285}, Face::Default, "IP octet 1, binary"},
    {Field::Text10, {1440, 1800, 855, 285}, Face::Default, "IP octet 2, binary"},
    {Field::Text11, {2400, 1800, 855, 285}, Face::Default, "IP octet 3, binary"},
    {Field::Text12, {3360, 1800, 855, 285}, Face::Default, "IP octet 4, binary"},
    {Field::Text31, {480, 2280, 1335, 285}, Face::Default, "IP address as one number"},
    {Field::Text32, {480, 2280, 1335, 285}, Face::Default, "IP address as one number, editing"},
    {Field::Text26, {360, 3240, 615, 285}, Face::Default, "Subnet mask octet 1, decimal"},
    {Field::Text25, {1320, 3240, 615, 285}, Face::Default, "Subnet mask octet 2, decimal"},
    {Field::Text24, {2280, 3240, 615, 285}, Face::Default, "Subnet mask octet 3, decimal"},
    {Field::Text23, {3240, 3240, 615, 285}, Face::Default, "Subnet mask octet 4, decimal"},
    {Field::Text14, {4080, 3600, 1215, 495}, Face::F1, "Network prefix"},
    {Field::Text22, {360, 3720, 615, 285}, Face::Default, "Subnet mask octet 1, hexadecimal"},
    {Field::Text21, {1320, 3720, 615, 285}, Face::Default, "Subnet mask octet 2, hexadecimal"},
    {Field::Text20, {2280, 3720, 615, 285}, Face::Default, "Subnet mask octet 3, hexadecimal"},
    {Field::Text19, {3240, 3720, 615, 285}, Face::Default, "Subnet mask octet 4, hexadecimal"},
    {Field::Text18, {360, 4200, 855, 285}, Face::Default, "Subnet mask octet 1, binary"},
    {Field::Text17, {1320, 4200, 855, 285}, Face::Default, "Subnet mask octet 2, binary"},
    {Field::Text16, {2280, 4200, 855, 285}, Face::Default, "Subnet mask octet 3, binary"},
    {Field::Text15, {3240, 4200, 855, 285}, Face::Default, "Subnet mask octet 4, binary"},
    {Field::Text29, {600, 5280, 375, 285}, Face::Default, "Network bits"},
    {Field::Text28, {2040, 5280, 375, 285}, Face::Default, "Subnet bits"},
    {Field::Text27, {3240, 5280, 375, 285}, Face::Default, "Bits for the host address"},
    {Field::Text30, {4320, 5280, 495, 285}, Face::Default, "Total number of bits"},
    {Field::Text33, {2040, 5760, 495, 285}, Face::Default, "Number of subnets"},
    {Field::Text34, {5160, 5760, 975, 285}, Face::Default, "Number of usable hosts"},
    {Field::Text35,
     {120, 6120, 6135, 495},
     Face::Default,
     "Note on subnet zero and the last subnet"},
};

enum class Backdrop : std::uint8_t { None, Blue, Teal };

struct LabelRow {
  const char* name;
  Place place;
  const char* caption;  // nullptr for a separator mark
  Face face;
  bool centred;
  Backdrop backdrop;
};

constexpr LabelRow kLabels[] = {
    {"Label22", {480, 240, 3495, 495}, "IP Address", Face::F1, true, Backdrop::Blue},
    {"Label1", {1320, 840, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label2", {2280, 840, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label3", {3240, 840, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label10", {4320, 840, 735, 255}, "Class", Face::F2, true, Backdrop::None},
    {"Label4", {1320, 1320, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label5", {2280, 1320, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label6", {3240, 1320, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label7", {1320, 1800, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label8", {2280, 1800, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label9", {3240, 1800, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label21", {360, 2640, 3495, 495}, "Subnet Mask", Face::F1, true, Backdrop::Teal},
    {"Label11", {4200, 2880, 975, 615}, "Network Bits", Face::F2, true, Backdrop::None},
    {"Label20", {1200, 3240, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label19", {2160, 3240, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label18", {3120, 3240, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label17", {1200, 3720, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label16", {2160, 3720, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label15", {3120, 3720, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label14", {1200, 4200, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label13", {2160, 4200, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label12", {3120, 4200, 135, 285}, nullptr, Face::Default, false, Backdrop::None},
    {"Label23", {360, 4680, 855, 495}, "Network Bits", Face::F3, true, Backdrop::None},
    {"Label24", {1800, 4680, 855, 495}, "Subnet Bits", Face::F3, true, Backdrop::None},
    {"Label25", {3000, 4680, 855, 495}, "Bits for Host Addr", Face::F3, true, Backdrop::None},
    {"Label26", {4080, 4680, 855, 495}, "Total # of bits", Face::F3, true, Backdrop::None},
    {"Label27", {120, 5760, 1815, 285}, "Number of Subnets =", Face::F4, false, Backdrop::None},
    {"Label28",
     {2760, 5760, 2295, 285},
     "Number of Usable Hosts = ",
     Face::F4,
     false,
     Backdrop::None},
};

struct ButtonRow {
  Button button;
  const char* name;
  Place place;
  const char* caption;
  Face face;
  bool tabStop;
};

constexpr ButtonRow kButtons[] = {
    {Button::Command1, "Command1", {5280, 120, 1095, 495}, "EXIT", Face::F5, false},
    {Button::Command2, "Command2", {5400, 1080, 855, 375}, "Reset", Face::F3, false},
    {Button::Command3, "Command3", {5040, 2040, 1335, 615}, "About This Program", Face::F3, true},
};

// Tab indexes of the buttons; the fields' come with the sheet.
int buttonTabIndex(Button b) {
  switch (b) {
    case Button::Command1:
      return 24;
    case Button::Command2:
      return 58;
    case Button::Command3:
      return 65;
  }
  return 0;
}

QString fieldName(Field f) {
  return QStringLiteral("Text%1").arg(static_cast<int>(f));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), binding_(new SheetBinding(sheet_, this)) {
  registerFontSubstitutes();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  setWindowIcon(programIcon());
  setFont(dialogFont());
  resize(twipsToPixels(6510), twipsToPixels(6555));

  createLabels();
  createFields();
  createButtons();
  orderTabs();

  sheet_.setCommandHandler(Button::Command1, std::bind_front(&Form1::exitProgram, this));
  sheet_.setCommandHandler(Button::Command3, std::bind_front(&Form1::showAbout, this));
  binding_->refresh();
}

Form1::~Form1() {
  delete about_;
}

void Form1::createLabels() {
  for (const LabelRow& row : kLabels) {
    QLabel* label =
        row.caption ? new QLabel(QLatin1String(row.caption), this) : new SeparatorMark(this);
    label->setObjectName(QLatin1String(row.name));
    label->setGeometry(row.place.pixels());
    if (row.face != Face::Default) label->setFont(faceFont(row.face));
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(row.caption != nullptr);
    if (row.backdrop != Backdrop::None) {
      QPalette palette = label->palette();
      palette.setColor(QPalette::Window,
                       row.backdrop == Backdrop::Blue ? QColor(0, 0, 255) : QColor(0, 192, 192));
      palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
      label->setPalette(palette);
      label->setAutoFillBackground(true);
    }
  }
}

void Form1::createFields() {
  for (const FieldRow& row : kFields) {
    const FieldTraits traits = AddressSheet::traits(row.field);
    QWidget* widget = nullptr;
    if (traits.multiLine) {
      auto* note = new QPlainTextEdit(this);
      note->setReadOnly(true);
      note->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      note->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      note->document()->setDocumentMargin(1);
      binding_->bindNote(row.field, note);
      widget = note;
    } else {
      auto* edit = new FieldEdit(row.field, this);
      if (row.face != Face::Default) edit->setAlignment(Qt::AlignCenter);
      binding_->bindField(edit);
      widget = edit;
    }
    widget->setObjectName(fieldName(row.field));
    widget->setAccessibleName(QLatin1String(row.role));
    widget->setGeometry(row.place.pixels());
    if (row.face != Face::Default) widget->setFont(faceFont(row.face));
    widget->setFocusPolicy(traits.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void Form1::createButtons() {
  for (const ButtonRow& row : kButtons) {
    auto* button = new CaptionButton(QLatin1String(row.caption), this);
    button->setObjectName(QLatin1String(row.name));
    button->setGeometry(row.place.pixels());
    button->setFont(faceFont(row.face));
    button->setAutoDefault(false);
    button->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    binding_->bindButton(row.button, button);
  }
}

void Form1::orderTabs() {
  std::vector<std::pair<int, QWidget*>> chain;
  for (const FieldRow& row : kFields) {
    chain.emplace_back(AddressSheet::traits(row.field).tabIndex,
                       findChild<QWidget*>(fieldName(row.field)));
  }
  for (const ButtonRow& row : kButtons) {
    chain.emplace_back(buttonTabIndex(row.button), findChild<QWidget*>(QLatin1String(row.name)));
  }
  std::sort(chain.begin(), chain.end());
  for (std::size_t i = 1; i < chain.size(); ++i) {
    setTabOrder(chain[i - 1].second, chain[i].second);
  }
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (entered_) return;
  entered_ = true;
  binding_->enterFirstField();
}

void Form1::exitProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

void Form1::showAbout() {
  // One box at most; it destroys itself when closed, and the next click makes a new one. It
  // has no parent window, so that it keeps the program running when the main window closes.
  if (!about_) about_ = new frmAbout;
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace quorvel
