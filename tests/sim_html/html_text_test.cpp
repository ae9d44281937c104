#include "tools/sim_html/html_text.h"

#include <gtest/gtest.h>

#include "tools/sim_html/palette.h"

namespace {

TEST(HtmlText, EscapesMarkupInTextAndAttributes) {
  EXPECT_EQ(escapeHtml("<script>alert(\"x\")</script> & 'q'"),
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;q&#39;");
  EXPECT_EQ(escapeHtml("スライム&ゴブリン"), "スライム&amp;ゴブリン");
}

TEST(HtmlText, ReplacesBytesThatAreNotUtf8AndDropsControls) {
  struct Case {
    std::string input, expected;
  } cases[] = {
      {"\x83X", "\xEF\xBF\xBDX"},                                // CP932 bytes
      {"ab\xE3\x82", "ab\xEF\xBF\xBD\xEF\xBF\xBD"},              // cut short
      {"\xC0\xBC", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // an overlong '<'
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {std::string("a\0b\x1b[31mc\td\n", 12), "ab[31mc\td\n"},
      {"😀", "😀"},
  };
  for (const Case& c : cases) EXPECT_EQ(escapeHtml(c.input), c.expected) << c.input;
}

TEST(HtmlText, FormatsCountsRatesAndDifferences) {
  EXPECT_EQ(formatCount(1234567), "1,234,567");
  EXPECT_EQ(formatCount(-1234), "-1,234");
  EXPECT_EQ(formatCount(999), "999");
  EXPECT_EQ(formatNumber(196000.0, 0), "196,000");
  EXPECT_EQ(formatNumber(-0.0001, 2), "0.00");
  EXPECT_EQ(formatPercent(0.61234, 2), "61.23%");
  EXPECT_EQ(formatPercent(1.0, 0), "100%");
  EXPECT_EQ(formatPoints(0.031, 2), "+3.10 pp");
  EXPECT_EQ(formatPoints(-0.0034, 2), "−0.34 pp");
  EXPECT_EQ(formatPoints(0.0, 2), "0.00 pp");
  EXPECT_EQ(formatPercentInterval(0.6093, 0.6153, 2), "60.93–61.53%");
  EXPECT_EQ(formatPointsInterval(-0.0031, 0.0011, 2), "−0.31 to +0.11 pp");
  EXPECT_EQ(rateDecimals(0.6153), 2);
  EXPECT_EQ(rateDecimals(0.000038), 4);
  EXPECT_EQ(rateDecimals(0.000192), 2);
  EXPECT_EQ(rateDecimals(0.0), 2);
}

TEST(HtmlText, FitsJapaneseLabelsAtCharacterBoundaries) {
  EXPECT_DOUBLE_EQ(textWidth("ab", 10), 12);
  EXPECT_DOUBLE_EQ(textWidth("スライム", 10), 40);
  EXPECT_EQ(fitText("スライム", 40, 10), "スライム");
  EXPECT_EQ(fitText("シャイニングアタック", 50, 10), "シャイニ…");
}

TEST(Palette, HeatScaleEndsAndTextContrast) {
  EXPECT_EQ(heatColour(0.0), "#440154");
  EXPECT_EQ(heatColour(1.0), "#fde725");
  EXPECT_EQ(heatColour(-3.0), "#440154");
  EXPECT_EQ(heatColour(0.5), "#21918c");
  EXPECT_STREQ(textColourOn("#0072B2"), "#fff");
  EXPECT_STREQ(textColourOn("#F0E442"), "#111");
  EXPECT_STREQ(textColourOn(heatColour(0.1)), "#fff");
  EXPECT_STREQ(textColourOn(heatColour(0.9)), "#111");
}

}  // namespace
