#include "ui/palette_rules.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>
#include <functional>
#include <optional>

namespace quorvel {
namespace {

double channel(double value) {
  return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor blend(const QColor& from, const QColor& to, double t) {
  return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                          static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                          static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// Small text is drawn antialiased, and its thin strokes come out lighter than its colour: a colour
// of 8:1 leaves their darkest pixels above 4.5:1 in the dialog face's boxes.
constexpr double kAim = 8.0;

// The colour nearest `from` on the way to `to` that reads on `background` as drawn.
QColor searchReadable(const QColor& background, const QColor& from, const QColor& to) {
  if (contrastRatio(from, background) >= kAim) return from;
  if (contrastRatio(to, background) < kAim) {
    const bool dark = luminance(background) > 0.18;
    return dark ? QColor(Qt::black) : QColor(Qt::white);
  }
  double low = 0.0;
  double high = 1.0;
  for (int i = 0; i < 16; ++i) {
    const double mid = (low + high) / 2;
    (contrastRatio(blend(from, to, mid), background) >= kAim ? high : low) = mid;
  }
  return blend(from, to, high);
}

// Every box asks with the same three colours, and the search costs some hundred pow() calls
// (about 1.5 ms of start-up for the 33 boxes): the last answer is kept.
QColor readableOn(const QColor& background, const QColor& from, const QColor& to) {
  struct Answer {
    QColor background, from, to, readable;
  };
  static std::optional<Answer> last;
  if (!last || last->background != background || last->from != from || last->to != to) {
    last = Answer{background, from, to, searchReadable(background, from, to)};
  }
  return last->readable;
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
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void keepDisabledTextReadable(QWidget* window) {
  new PaletteFollower(window, [](QWidget* w) {
    const QPalette inherited = inheritedPalette(w);
    const QColor colour = readableOn(inherited.color(QPalette::Disabled, QPalette::Base),
                                     inherited.color(QPalette::Disabled, QPalette::Text),
                                     inherited.color(QPalette::Active, QPalette::Text));
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
    const QColor chosen = contrastRatio(colour, background) >= kReadableContrast ? colour : own;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
      setColour(w, group, QPalette::WindowText, chosen);
    }
  });
}

}  // namespace quorvel
