#include "cli_values.h"

#include <charconv>

namespace {

constexpr std::int64_t kLastSeed = 4294967295;

bool parseInt64(const std::string& text, std::int64_t& value) {
  const char* end = text.data() + text.size();
  auto [rest, code] = std::from_chars(text.data(), end, value);
  return !text.empty() && code == std::errc() && rest == end;
}

}  // namespace

std::int64_t positiveCount(const std::string& option, const std::string& text, std::int64_t limit) {
  std::int64_t value = 0;
  if (!parseInt64(text, value) || value < 1) {
    throw UsageError(option + ": '" + text + "' is not a positive integer");
  }
  if (value > limit) throw UsageError(option + ": " + text + " is more than " + std::to_string(limit));
  return value;
}

std::int64_t seedValue(const std::string& option, const std::string& text) {
  std::int64_t value = 0;
  if (!parseInt64(text, value) || value < 0 || value > kLastSeed) {
    throw UsageError(option + ": '" + text + "' is not a seed from 0 to 4294967295");
  }
  return value;
}

std::int32_t intValue(const std::string& option, const std::string& text) {
  std::optional<std::int32_t> value = parseFieldValue(text);
  if (!value) throw UsageError(option + ": '" + text + "' is not an integer from -2147483648 to 2147483647");
  return *value;
}

double fractionValue(const std::string& option, const std::string& text) {
  double value = 0;
  const char* end = text.data() + text.size();
  auto [rest, code] = std::from_chars(text.data(), end, value);
  if (text.empty() || code != std::errc() || rest != end || !(value > 0 && value < 1)) {
    throw UsageError(option + ": '" + text + "' is not a number between 0 and 1 (0.005 is ±0.5 %)");
  }
  return value;
}

Shard shardValue(const std::string& text) {
  std::size_t slash = text.find('/');
  Shard shard;
  if (slash == std::string::npos || !parseInt64(text.substr(0, slash), shard.index) ||
      !parseInt64(text.substr(slash + 1), shard.count) || shard.count < 1 || shard.index < 1 ||
      shard.index > shard.count) {
    throw UsageError("--shard: '" + text + "' is not K/N with 1 <= K <= N");
  }
  return shard;
}

std::vector<FieldSet> fieldSets(const std::string& option, const std::vector<std::string>& texts) {
  std::vector<FieldSet> sets;
  for (const std::string& text : texts) {
    std::string error;
    std::optional<FieldSet> set = parseFieldSet(text, error);
    if (!set) throw UsageError(option + ": " + error);
    sets.push_back(*set);
  }
  return sets;
}

SeedPlan seedPlan(std::int64_t seed, std::int64_t battles, const Shard& shard) {
  if (seed + battles - 1 > kLastSeed) {
    throw UsageError("--seed " + std::to_string(seed) + " with --battles " + std::to_string(battles) +
                     " runs past seed 4294967295");
  }
  if (shard.count > battles) {
    throw UsageError("--shard: " + std::to_string(shard.count) + " shards for " + std::to_string(battles) +
                     " battles leaves a shard empty");
  }
  const std::int64_t first = battles * (shard.index - 1) / shard.count;
  const std::int64_t end = battles * shard.index / shard.count;
  return {seed + first, end - first};
}
