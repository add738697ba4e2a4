#pragma once

#include <string_view>

namespace quorvel::forms {

// The part of a long text that a box holds.
//
// Toolkits lay out (and some edit) the whole text of a box on every change, which takes a visible
// while for a pasted megabyte. So a box keeps a long text whole on the side and lets its control
// hold only the part around the cursor, far wider than the box; the part moves along with the
// cursor. Positions are UTF-16 units; the part never cuts a surrogate pair.
class TextPart {
 public:
  static constexpr int kLongText = 4096;  // texts up to this many units are held whole
  static constexpr int kReach = 1024;     // units held on each side of the cursor
  static constexpr int kMargin = 256;     // the part moves when the cursor comes this close to
                                          // an inner edge

  [[nodiscard]] static bool isLong(std::size_t units) { return units > kLongText; }

  [[nodiscard]] int offset() const { return offset_; }  // where the part starts in the whole
  [[nodiscard]] int tail() const { return tail_; }      // where the text after it starts

  void forget() { offset_ = tail_ = -1; }  // nothing of a new text is held yet

  // Whether the cursor lies well inside the part (or the part reaches the text's end there).
  [[nodiscard]] bool holds(int cursor, int wholeSize) const;
  // Moves the part to hold the cursor, unless it already does; true if it moved.
  bool follow(std::u16string_view whole, int cursor);

  // A whole-text position as a position in the part, clamped to the part.
  [[nodiscard]] int toLocal(int whole) const;
  // The whole-text anchor of a selection whose anchor in the part is `local`: a selection that
  // ends at an inner edge of the part goes on to the anchor `beyond` remembered outside it.
  [[nodiscard]] int wholeAnchor(int local, int partSize, int beyond) const;
  // Whether an anchor lies outside the part.
  [[nodiscard]] bool outside(int anchor) const { return anchor < offset_ || anchor > tail_; }
  // The part's text is now `units` long, after an edit inside it.
  void resize(int units) { tail_ = offset_ + units; }

 private:
  int offset_ = -1;
  int tail_ = -1;
};

}  // namespace quorvel::forms
