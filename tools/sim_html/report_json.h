// Reading the simulator's JSON documents leniently: a missing field or one of
// another type reads as zero, an empty text or an empty list, so that a page
// is drawn from whatever a document holds.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

using Json = nlohmann::json;

const Json& fieldAt(const Json& object, const char* key);  // null when missing
const Json& listAt(const Json& object, const char* key);   // an empty array when missing
double numberAt(const Json& object, const char* key);
long long countAt(const Json& object, const char* key);
std::string textAt(const Json& object, const char* key);

// The element `index` of an array, null when there is none.
const Json& itemAt(const Json& list, std::size_t index);
double numberOf(const Json& value);    // 0 unless a number
long long wholeOf(const Json& value);  // 0 unless a number within ±9e18
