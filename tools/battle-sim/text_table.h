// The compact aligned tables of the terminal output.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

// Pads UTF-8 text to `width` terminal columns (a character of three or
// more bytes takes two columns), on the right or the left.
std::string padRight(std::string_view text, int width);
std::string padLeft(std::string_view text, int width);

// "61.23 %"
std::string percent(double rate);

// The run document as tables: outcomes, actions, combatants, skills, party
// and speed.
std::string runTable(const nlohmann::json& doc);
