#include "tools/sim_html/palette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

struct Rgb {
  int red, green, blue;
};

// Nine evenly spaced stops of viridis, dark to light.
constexpr Rgb kViridis[] = {
    {0x44, 0x01, 0x54}, {0x47, 0x2d, 0x7b}, {0x3b, 0x52, 0x8b}, {0x2c, 0x72, 0x8e}, {0x21, 0x91, 0x8c},
    {0x28, 0xae, 0x80}, {0x5e, 0xc9, 0x62}, {0xad, 0xdc, 0x30}, {0xfd, 0xe7, 0x25},
};

}  // namespace

std::string heatColour(double t) {
  if (!std::isfinite(t)) t = 0.0;
  t = std::clamp(t, 0.0, 1.0) * (std::size(kViridis) - 1);
  std::size_t below = std::min(static_cast<std::size_t>(t), std::size(kViridis) - 2);
  double part = t - below;
  const Rgb& a = kViridis[below];
  const Rgb& b = kViridis[below + 1];
  auto mix = [part](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * part)); };
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", mix(a.red, b.red), mix(a.green, b.green),
                mix(a.blue, b.blue));
  return text;
}

const char* textColourOn(const std::string& background) {
  unsigned red = 0, green = 0, blue = 0;
  if (background.size() != 7 || std::sscanf(background.c_str(), "#%2x%2x%2x", &red, &green, &blue) != 3) {
    return "#111";
  }
  auto linear = [](unsigned channel) {
    double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  double luminance = 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
  // The luminance at which white and black text have the same contrast.
  return luminance < 0.179 ? "#fff" : "#111";
}
