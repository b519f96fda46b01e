#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/values.h"

using namespace runtime;

TEST(TruncToInt32, TruncatesTowardZeroAndKeepsTheLow32Bits) {
  struct Case {
    double in;
    std::int32_t out;
  } cases[] = {
      {-3.7, -3},
      {3.7, 3},
      {-0.5, 0},
      {2147483647.9, 2147483647},
      {2147483648.0, -2147483647 - 1},  // 2^31 wraps
      {4294967296.0 + 5, 5},            // 2^32 + 5
      {5e9, 705032704},
      {-5e9, -705032704},
      {1e20, 0},  // out of the 64-bit range
      {-1e20, 0},
      {9223372036854775808.0, 0},  // 2^63: just out of range
      {-9223372036854775808.0, 0},  // -2^63: in range, low half 0
      {std::numeric_limits<double>::quiet_NaN(), 0},
      {std::numeric_limits<double>::infinity(), 0},
      {-std::numeric_limits<double>::infinity(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(truncToInt32(c.in), c.out) << c.in;
}

TEST(FloorToInt, RoundsDownAfterTheSnap) {
  struct Case {
    double in;
    std::int32_t out;
  } cases[] = {
      {2.5, 2},
      {-0.5, -1},
      {-0.9999999999995, -1},
      {2.9999999999999, 3},  // lifted by the 1e-12 snap
      {2.99999999999, 2},    // too far below 3 for the snap
      {3.0000000000001, 3},
      {-3.0000000000001, -4},
      {7.0, 7},
      {0.0, 0},
      {-0.0, 0},
      {-2147483648.5, 2147483647},  // floor is -2^31 - 1, which wraps
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(floorToInt(c.in), c.out) << c.in;
}

TEST(IntToText, FormatsLikePercentD) {
  EXPECT_EQ(intToText(-7), "-7");
  EXPECT_EQ(intToText(0), "0");
  EXPECT_EQ(intToText(340), "340");
  EXPECT_EQ(intToText(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(intToText(2147483647), "2147483647");
}

TEST(TextToBytes, HasNoTerminatingNul) {
  EXPECT_EQ(textToBytes("3 4\r\n"), (Bytes{0x33, 0x20, 0x34, 0x0D, 0x0A}));
  EXPECT_TRUE(textToBytes("").empty());
}

TEST(IntToBytes, IsLittleEndianAndReadsBack) {
  EXPECT_EQ(intToBytes(2), (Bytes{2, 0, 0, 0}));
  EXPECT_EQ(intToBytes(-2), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(bytesToInt(intToBytes(0x12345678)), 0x12345678);
  EXPECT_EQ(bytesToInt({}), 0);
  EXPECT_EQ(bytesToInt({2}), 2);
}

TEST(TextToNumber, ReadsTheLeadingNumberAsAtofDoes) {
  struct Case {
    const char* in;
    double out;
  } cases[] = {
      {"", 0},
      {"  12.5kg", 12.5},
      {"abc", 0},
      {"-3e2", -300},
      {"0x10", 0},
      {"12.9", 12.9},
      {"-3.7", -3.7},
      {"1e3", 1000},
      {"1e", 1},     // an exponent without digits does not count
      {"1e+", 1},
      {"+.5", 0.5},
      {".", 0},
      {"-", 0},
      {"\t\n 7", 7},
      {"inf", 0},
      {"nan", 0},
      {"-infinity", 0},
      {"5 6", 5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.in), c.out) << c.in;
}

TEST(TextToNumber, TakesFullWidthCharactersAsTheirAsciiForms) {
  struct Case {
    const char* in;
    double out;
  } cases[] = {
      {"\xEF\xBC\x91\xEF\xBC\x92", 12},                       // full-width 1 2
      {"\xEF\xBC\x8D\xEF\xBC\x93\xEF\xBC\x8E\xEF\xBC\x95", -3.5},  // full-width - 3 . 5
      {"\xE3\x80\x80\xEF\xBC\x97", 7},                        // ideographic space, then 7
      {"\xEF\xBC\x91\xEF\xBD\x85\xEF\xBC\x92", 100},          // 1 e 2
      {"\xEF\xBC\x91\xEF\xBC\xA5\xEF\xBC\x8B\xEF\xBC\x92", 100},  // 1 E + 2
      {"\xE4\xB8\x80", 0},                                    // a CJK character is no digit
      {"\xEF\xBC\x95\xE4\xB8\x80", 5},                        // parsing stops at it
      {"\xEF\xBC\x95\xEF\xBC", 5},                            // a cut-off sequence ends the copy
      {"\xEF\xBC", 0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.in), c.out) << c.in;
}

TEST(PlainValues, BlanksBytesAndShifts) {
  EXPECT_EQ(blankText(3), "   ");
  EXPECT_EQ(blankText(0), "");
  EXPECT_EQ(blankText(-1), "");
  EXPECT_EQ(blankBytes(2), (Bytes{0, 0}));
  EXPECT_TRUE(blankBytes(-4).empty());
  EXPECT_EQ(shiftRight(-8, 1), -4);
  EXPECT_EQ(shiftLeft(1, 31), -2147483647 - 1);
  EXPECT_EQ(toByte(258.9), 2);
  EXPECT_EQ(toByte(-1.5), 0xFF);

  const std::uint8_t source[] = {1, 2, 3};
  EXPECT_EQ(bytesFromMemory(source, 3), (Bytes{1, 2, 3}));
  EXPECT_TRUE(bytesFromMemory(source, 0).empty());
  std::uint8_t target[3] = {9, 9, 9};
  writeToMemory({5, 6, 7}, target, 2);
  EXPECT_EQ(target[1], 6);
  EXPECT_EQ(target[2], 9);
}
