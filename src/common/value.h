#pragma once
// One field value as read from a project database: null, text, integer or real.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tarvello {

class Value {
 public:
  Value() = default;  // null
  static Value null() { return Value(); }
  static Value text(std::string s) {
    Value v;
    v.data_ = std::move(s);
    return v;
  }
  static Value integer(std::int64_t i) {
    Value v;
    v.data_ = i;
    return v;
  }
  static Value real(double d) {
    Value v;
    v.data_ = d;
    return v;
  }

  bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
  bool isText() const { return std::holds_alternative<std::string>(data_); }
  bool isInteger() const { return std::holds_alternative<std::int64_t>(data_); }
  bool isReal() const { return std::holds_alternative<double>(data_); }
  bool isNumeric() const { return isInteger() || isReal(); }
  // True only for a text value that is exactly "": a null is not empty text.
  bool isEmptyText() const;

  // The value joined to text: null gives "", numbers their plain decimal text.
  std::string asText() const;
  // The value as a number: numbers as they are, numeric text parsed, else none.
  std::optional<double> asNumber() const;
  // As asNumber, with `fallback` for anything that is not a number.
  double numberOr(double fallback) const { return asNumber().value_or(fallback); }

  bool operator==(const Value&) const = default;

 private:
  std::variant<std::monostate, std::string, std::int64_t, double> data_;
};

}  // namespace tarvello
