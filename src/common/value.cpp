#include "value.h"

#include "number_format.h"

namespace tarvello {

bool Value::isEmptyText() const {
  const auto* s = std::get_if<std::string>(&data_);
  return s && s->empty();
}

std::string Value::asText() const {
  if (const auto* s = std::get_if<std::string>(&data_)) return *s;
  if (const auto* i = std::get_if<std::int64_t>(&data_)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&data_)) return numberText(*d);
  return "";
}

std::optional<double> Value::asNumber() const {
  if (const auto* s = std::get_if<std::string>(&data_)) return parseNumber(*s);
  if (const auto* i = std::get_if<std::int64_t>(&data_)) return static_cast<double>(*i);
  if (const auto* d = std::get_if<double>(&data_)) return *d;
  return std::nullopt;
}

}  // namespace tarvello
