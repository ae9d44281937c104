// The self-contained HTML report of the balance simulator: one page of
// figures, tables and inline SVG charts for a JSON document of `run`,
// `sweep`, `compare` or `weights`. The page needs no network, no other file
// and no script.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

// The page for the document's `command`, as UTF-8. Throws
// std::invalid_argument when the document is no object or names no command
// that has a page; missing figures read as zero.
std::string renderHtmlReport(const nlohmann::json& doc);
