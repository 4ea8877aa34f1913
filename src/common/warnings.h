#pragma once
// Plain-language warnings collected while a command runs: what the program
// worked around (a missing field, text where a number belongs, ...).
#include <string>
#include <vector>

namespace tarvello {

class Warnings {
 public:
  void add(std::string text) { items_.push_back(std::move(text)); }
  const std::vector<std::string>& items() const { return items_; }
  bool empty() const { return items_.empty(); }
  void clear() { items_.clear(); }

 private:
  std::vector<std::string> items_;
};

}  // namespace tarvello
