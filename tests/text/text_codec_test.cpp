#include "text/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrin {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
  std::string s;
  for (int c : codes) s += static_cast<char>(c);
  return s;
}

TEST(TextCodec, WorkedExamples) {
  EXPECT_EQ(EncodeText(""), "");
  EXPECT_EQ(DecodeText(""), "");
  EXPECT_EQ(EncodeText("abc"), Bytes({'a' + kCodecOffset, 'b' + kCodecOffset, 'c' + kCodecOffset}));
  EXPECT_EQ(DecodeText(EncodeText("abc")), "abc");
  // A character pushed past 255 is left out; the others keep their order.
  EXPECT_EQ(DecodeText(EncodeText(Bytes({'A', 255, 'b', 255 - kCodecOffset + 1, 'c'}))), "Abc");
  // Codes below the offset decode to nothing.
  EXPECT_EQ(DecodeText(Bytes({'x', kCodecOffset - 1, 0, 'y'})), Bytes({'x' - kCodecOffset, 'y' - kCodecOffset}));
  for (const char* date : {"12/08/2026", "08.12.2026", "2026-12-08"}) EXPECT_EQ(DecodeText(EncodeText(date)), date);
}

TEST(TextCodec, OffsetIsAFileFormatConstantInItsRange) {
  static_assert(kCodecOffset > 13 && kCodecOffset <= 129);
  EXPECT_EQ(kCodecOffset, 14);  // saved readings and settings depend on this value
}

TEST(TextCodec, RoundTripsEveryCarriedCodeAndNeverEmitsLineBreaks) {
  for (int code = 0; code <= 255; ++code) {
    const std::string one(1, static_cast<char>(code));
    const std::string encoded = EncodeText(one);
    if (code <= 255 - kCodecOffset) {
      ASSERT_EQ(encoded.size(), 1u) << code;
      ASSERT_EQ(DecodeText(encoded), one) << code;
    } else {
      ASSERT_TRUE(encoded.empty()) << code;
    }
    ASSERT_EQ(encoded.find_first_of("\r\n"), std::string::npos) << code;
  }
}

TEST(AnsiText, ConvertsThroughTheWesternCodePage) {
  struct Case {
    const char* utf8;
    std::string ansi;
  };
  const Case cases[] = {
      {"Zoë", Bytes({'Z', 'o', 0xEB})}, {"€5", Bytes({0x80, '5'})}, {"“a”", Bytes({0x93, 'a', 0x94})},
      {"李", "?"},                        {"a😀b", "a?b"},             {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ToAnsi(c.utf8), c.ansi) << c.utf8;
  EXPECT_EQ(ToAnsi("\xff\xfe"), "??");  // malformed UTF-8
  for (int code = 0; code <= 255; ++code) {
    const std::string one(1, static_cast<char>(code));
    ASSERT_EQ(ToAnsi(FromAnsi(one)), one) << code;
  }
}

}  // namespace
}  // namespace tavrin
