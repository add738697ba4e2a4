#include "ui/palette_rules.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "forms/colours.h"

namespace quorvel {
namespace {

forms::Rgb rgb(const QColor& c) {
  return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
          static_cast<std::uint8_t>(c.blue())};
}

QColor qColor(forms::Rgb c) {
  return {c.red, c.green, c.blue};
}

// Re-applies a colour rule whenever the widget's palette changes; the rule sets the palette
// only when its colour differs, so the change it makes ends there.
class PaletteFollower : public QObject {
 public:
  PaletteFollower(QWidget* widget, std::function<void(QWidget*)> rule)
      : QObject(widget), rule_(std::move(rule)) {
    widget->installEventFilter(this);
    rule_(widget);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PaletteChange) rule_(static_cast<QWidget*>(watched));
    return false;
  }

 private:
  std::function<void(QWidget*)> rule_;
};

// The palette the widget would have without a colour of its own.
QPalette inheritedPalette(const QWidget* widget) {
  return widget->parentWidget() ? widget->parentWidget()->palette() : QApplication::palette(widget);
}

void setColour(QWidget* widget, QPalette::ColorGroup group, QPalette::ColorRole role,
               const QColor& colour) {
  if (widget->palette().color(group, role) == colour) return;
  QPalette palette = widget->palette();
  palette.setColor(group, role, colour);
  widget->setPalette(palette);
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  return forms::contrastRatio(rgb(a), rgb(b));
}

void keepDisabledTextReadable(QWidget* window) {
  new PaletteFollower(window, [](QWidget* w) {
    const QPalette inherited = inheritedPalette(w);
    const QColor colour =
        qColor(forms::readableDisabledText(rgb(inherited.color(QPalette::Disabled, QPalette::Base)),
                                           rgb(inherited.color(QPalette::Disabled, QPalette::Text)),
                                           rgb(inherited.color(QPalette::Active, QPalette::Text))));
    setColour(w, QPalette::Disabled, QPalette::Text, colour);
  });
}

void showAsBanner(QWidget* label, const QColor& back) {
  label->setAutoFillBackground(true);
  new PaletteFollower(label, [back](QWidget* w) {
    const QColor text = inheritedPalette(w).color(QPalette::Active, QPalette::HighlightedText);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      setColour(w, group, QPalette::Window, back);
      setColour(w, group, QPalette::WindowText, text);
    }
  });
}

void preferTextColour(QWidget* label, const QColor& colour) {
  new PaletteFollower(label, [colour](QWidget* w) {
    const QPalette inherited = inheritedPalette(w);
    const QColor own = inherited.color(QPalette::Active, QPalette::WindowText);
    const QColor background = inherited.color(QPalette::Active, QPalette::Window);
    const QColor chosen = qColor(forms::readableOr(rgb(colour), rgb(own), rgb(background)));
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      setColour(w, group, QPalette::WindowText, chosen);
    }
  });
}

}  // namespace quorvel
