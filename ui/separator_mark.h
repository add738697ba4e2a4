#pragma once

#include <QLabel>

namespace quorvel {

// The mark between two octet boxes: the caption "$" in the symbol face where that face is
// installed, otherwise a small dot of its own, drawn where the octets' text sits.
class SeparatorMark : public QLabel {
  Q_OBJECT

 public:
  explicit SeparatorMark(QWidget* parent);

  [[nodiscard]] bool drawsOwnMark() const { return ownMark_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool ownMark_;
};

}  // namespace quorvel
