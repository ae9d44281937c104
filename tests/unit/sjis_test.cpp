#include <gtest/gtest.h>

#include "common/sjis.h"

TEST(Sjis, LiteralsBecomeCp932Bytes) {
  // CP932, not strict JIS X 0208: the full-width minus is 0x81 0x7C.
  EXPECT_EQ("－"_sj, "\x81\x7C");
  EXPECT_EQ("～"_sj, "\x81\x60");
  EXPECT_EQ("★　ミス"_sj, "\x81\x9A\x81\x40\x83\x7E\x83\x58");
  EXPECT_EQ("KING OF SWORD<br>\n"_sj, "KING OF SWORD<br>\n");
  EXPECT_EQ("ｱ"_sj, "\xB1");  // half-width katakana is one byte
}
