// The one rule of Shift-JIS (CP932) that byte-level code needs: which bytes
// open a two-byte character. Its second byte may be '\\' or a letter, and must
// never be taken for a folder separator or cut off from its lead byte.
#pragma once

constexpr bool isShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
