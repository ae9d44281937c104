// The report's colours: the Okabe–Ito set, which stays distinguishable with
// the common colour-vision deficiencies and in grey print, and a viridis
// scale for heat maps.
#pragma once

#include <string>

inline constexpr const char* kBlue = "#0072B2";
inline constexpr const char* kSkyBlue = "#56B4E9";
inline constexpr const char* kGreen = "#009E73";
inline constexpr const char* kOrange = "#E69F00";
inline constexpr const char* kVermillion = "#D55E00";
inline constexpr const char* kPurple = "#CC79A7";
inline constexpr const char* kYellow = "#F0E442";
inline constexpr const char* kGrey = "#999999";
inline constexpr const char* kInk = "#222222";

// Colours for series without a meaning of their own, in order.
inline constexpr const char* kSeriesColours[] = {kBlue,    kOrange, kGreen, kVermillion,
                                                 kSkyBlue, kPurple, kInk};

// The colour of `t` (0 to 1, clamped) on the viridis scale, as "#rrggbb".
std::string heatColour(double t);

// The colour of text written on `background` ("#rrggbb"): white on dark
// colours, near black on light ones.
const char* textColourOn(const std::string& background);
