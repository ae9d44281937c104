// Text of the simulator's HTML report: escaping and the formats of numbers.
#pragma once

#include <string>
#include <string_view>

// Text that is safe in HTML and inline SVG, in element content and in quoted
// attributes: the markup characters become entities, bytes that are not UTF-8
// become U+FFFD and control characters other than tab and line feed go.
std::string escapeHtml(std::string_view text);

// A whole number with thousands separated: 1234567 -> "1,234,567".
std::string formatCount(long long value);

// A number with `decimals` digits after the point, thousands separated.
std::string formatNumber(double value, int decimals);

// A rate as a percentage: 0.61234 with 2 decimals -> "61.23%".
std::string formatPercent(double rate, int decimals);

// A difference of two rates in percentage points, always signed: "+3.10 pp".
std::string formatPoints(double difference, int decimals);

// A 95 % interval of rates: "60.93–61.53%".
std::string formatPercentInterval(double low, double high, int decimals);

// A 95 % interval of a difference of rates: "+2.61 to +3.63 pp".
std::string formatPointsInterval(double low, double high, int decimals);

// The decimals that show a rate and its interval: 2, or 4 for an interval
// that lies below 0.005 %, which would otherwise read "0.00–0.00%".
int rateDecimals(double high);

// The width the text takes at `fontSize` pixels, estimated: Latin letters and
// digits about 0.6 em, Japanese (and every other non-ASCII) character 1 em.
double textWidth(std::string_view utf8, double fontSize);

// The text cut at a character boundary, with "…", so that it fits `width`.
std::string fitText(std::string_view utf8, double width, double fontSize);
