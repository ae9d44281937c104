// CP932 text back to UTF-8, for people reading reports and test failures.
// The programs never need it: they write CP932 only.
#pragma once

#include <string>
#include <string_view>

// Unknown byte pairs become U+FFFD.
std::string cp932ToUtf8(std::string_view bytes);
