#include "tools/sim_html/report_json.h"

#include <cmath>

namespace {

const Json& nullJson() {
  static const Json value;
  return value;
}

const Json& emptyList() {
  static const Json value = Json::array();
  return value;
}

}  // namespace

const Json& fieldAt(const Json& object, const char* key) {
  if (!object.is_object()) return nullJson();
  auto found = object.find(key);
  return found == object.end() ? nullJson() : *found;
}

const Json& listAt(const Json& object, const char* key) {
  const Json& value = fieldAt(object, key);
  return value.is_array() ? value : emptyList();
}

double numberOf(const Json& value) {
  if (!value.is_number()) return 0.0;
  double number = value.get<double>();
  return std::isfinite(number) ? number : 0.0;
}

double numberAt(const Json& object, const char* key) { return numberOf(fieldAt(object, key)); }

long long wholeOf(const Json& value) {
  if (value.is_number_integer()) return value.get<long long>();
  double number = numberOf(value);
  return std::fabs(number) < 9e18 ? std::llround(number) : 0;
}

long long countAt(const Json& object, const char* key) { return wholeOf(fieldAt(object, key)); }

std::string textAt(const Json& object, const char* key) {
  const Json& value = fieldAt(object, key);
  return value.is_string() ? value.get<std::string>() : std::string();
}

const Json& itemAt(const Json& list, std::size_t index) {
  return list.is_array() && index < list.size() ? list[index] : nullJson();
}
