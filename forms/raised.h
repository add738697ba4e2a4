#pragma once

namespace quorvel::forms {

// Raises a flag for a scope and restores it when the scope ends, also by an exception.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~Raised() { flag_ = was_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace quorvel::forms
