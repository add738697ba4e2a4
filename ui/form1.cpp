#include "ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <variant>

#include "forms/form1_layout.h"
#include "ui/caption_button.h"
#include "ui/design_font.h"
#include "ui/field_edit.h"
#include "ui/frm_about.h"
#include "ui/last_frame.h"
#include "ui/palette_rules.h"
#include "ui/program_icon.h"
#include "ui/separator_mark.h"
#include "ui/sheet_binding.h"
#include "ui/text.h"
#include "ui/twips.h"

namespace quorvel {
namespace {

using forms::Face;

QFont faceFont(Face face) {
  const forms::DesignedFont designed = forms::fontOf(face);
  return designFont(designed.family, designed.points, designed.bold);
}

QString nameOf(Field field) {
  return QString::fromStdString(forms::fieldName(field));
}

QWidget* widgetOf(const QWidget& window, const forms::Focusable& control) {
  const QString name = std::holds_alternative<Field>(control)
                           ? nameOf(std::get<Field>(control))
                           : QLatin1String(forms::form1Button(std::get<Button>(control)).name);
  return window.findChild<QWidget*>(name);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), binding_(new SheetBinding(sheet_, this)) {
  registerFontSubstitutes();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(uiText(forms::kForm1Caption));
  setWindowIcon(programIcon());
  setFont(dialogFont());
  resize(twipsRect(forms::kForm1ClientArea).size());

  keepDisabledTextReadable(this);
  createLabels();
  createFields();
  createButtons();
  orderTabs();

  sheet_.setCommandHandler(Button::Command1, std::bind_front(&Form1::exitProgram, this));
  sheet_.setCommandHandler(Button::Command3, std::bind_front(&Form1::showAbout, this));
  binding_->refresh();
}

Form1::~Form1() {
  if (about_) disconnect(about_, nullptr, this, nullptr);  // the box goes with the window here
  delete about_;
}

void Form1::createLabels() {
  for (const forms::LabelControl& row : forms::form1Labels()) {
    QLabel* label = row.caption ? new QLabel(uiText(row.caption), this) : new SeparatorMark(this);
    label->setObjectName(QLatin1String(row.name));
    label->setGeometry(twipsRect(row.place));
    if (row.caption && row.face != Face::Dialog) label->setFont(faceFont(row.face));
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setWordWrap(row.caption != nullptr);
    if (row.banner != forms::Banner::None) {
      const forms::Rgb colour = forms::bannerColour(row.banner);
      showAsBanner(label, QColor(colour.red, colour.green, colour.blue));
    }
  }
}

void Form1::createFields() {
  for (const forms::FieldControl& row : forms::form1Fields()) {
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
      if (row.centred) edit->setAlignment(Qt::AlignCenter);
      binding_->bindField(edit);
      widget = edit;
    }
    widget->setObjectName(nameOf(row.field));
    widget->setAccessibleName(uiText(row.accessibleName));
    widget->setGeometry(twipsRect(row.place));
    if (row.face != Face::Dialog) widget->setFont(faceFont(row.face));
    widget->setFocusPolicy(traits.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void Form1::createButtons() {
  for (const forms::ButtonControl& row : forms::form1Buttons()) {
    auto* button = new CaptionButton(uiText(row.caption), this);
    button->setObjectName(QLatin1String(row.name));
    button->setGeometry(twipsRect(row.place));
    button->setFont(faceFont(row.face));
    button->setAutoDefault(false);
    button->setFocusPolicy(row.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    binding_->bindButton(row.button, button);
  }
}

void Form1::orderTabs() {
  QWidget* previous = nullptr;
  for (const forms::Focusable& control : forms::form1TabChain()) {
    QWidget* widget = widgetOf(*this, control);
    if (previous) setTabOrder(previous, widget);
    previous = widget;
  }
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (entered_) return;
  entered_ = true;
  life_.mainOpened();
  binding_->enterFirstField();
}

void Form1::closeEvent(QCloseEvent* event) {
  if (putOffUntilLastFrame(this, [this] { close(); })) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
  lifeStep(life_.closed(forms::WindowLife::Window::Main));
}

void Form1::exitProgram() {
  lifeStep(life_.exitClicked());
}

void Form1::showAbout() {
  lifeStep(life_.aboutClicked());
}

void Form1::lifeStep(forms::WindowLife::Step step) {
  using Step = forms::WindowLife::Step;
  if (step == Step::CloseAllAndEnd) quitAfterLastFrames();
  if (step == Step::End) QCoreApplication::quit();
  if (step != Step::OpenAbout && step != Step::RaiseAbout) return;
  // The box destroys itself when closed. It has no parent window, so that it keeps the program
  // running when the main window closes.
  if (step == Step::OpenAbout) {
    about_ = new frmAbout;
    connect(about_, &QObject::destroyed, this,
            [this] { lifeStep(life_.closed(forms::WindowLife::Window::About)); });
  }
  if (!about_) return;
  about_->show();
  about_->raise();
  about_->activateWindow();
}

}  // namespace quorvel
