#include <gtest/gtest.h>

#include "Unicode.h"

namespace zarnel::stream {
namespace {

using namespace std::literals;

TEST(Unicode, WellFormedTextConvertsBothWays) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"", u""},
      {"abc", u"abc"},
      {"\xC3\xA9", u"\u00E9"},
      {"\xE2\x82\xAC", u"\u20AC"},
      {"\xEF\xBF\xBF", u"\uFFFF"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
  };
  for (const auto& [utf8, utf16] : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
  }
}

TEST(Unicode, MalformedUtf8IsRejected) {
  for (const std::string_view bad : {
           "\x80",              // continuation without lead
           "\xC0\x80",          // overlong NUL
           "\xC1\xBF",          // overlong
           "\xE0\x9F\xBF",      // overlong three-byte form
           "\xED\xA0\x80",      // encoded surrogate
           "\xF0\x8F\xBF\xBF",  // overlong four-byte form
           "\xF4\x90\x80\x80",  // above U+10FFFF
           "\xF5\x80\x80\x80",  // lead byte out of range
           "\xC3",              // cut after the lead
           "\xE2\x82",          // cut inside
           "a\xC3(",            // bad continuation
       }) {
    SCOPED_TRACE(::testing::PrintToString(std::string(bad)));
    EXPECT_EQ(Utf8ToUtf16(bad), std::nullopt);
  }
}

TEST(Unicode, ReplacingDecoderMarksEachMaximalBadSequenceOnce) {
  const std::pair<std::string_view, std::u16string_view> cases[] = {
      {"a\xC3(", u"a\uFFFD("},                            // lead without its continuation
      {"\xC0\x80", u"\uFFFD\uFFFD"},                      // bytes that start no sequence
      {"\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},            // overlong: the second byte is out of the lead's range
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // encoded surrogate
      {"\xE2\x82", u"\uFFFD"},                            // cut by the end: one mark for the whole start
      {"\xF0\x9F\x98!", u"\uFFFD!"},                      // cut inside
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xF0\x9F\x98\x80\x80", u"\U0001F600\uFFFD"},      // a stray continuation after a whole sequence
      {"\xC3\xA9", u"\u00E9"},                            // well-formed text is unchanged
  };
  for (const auto& [utf8, utf16] : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(utf8)));
    EXPECT_EQ(Utf8ToUtf16Replacing(utf8), utf16);
  }
}

TEST(Unicode, UnpairedSurrogatesAreRejected) {
  for (const std::u16string_view bad : {u"\xD800"sv, u"\xDC00"sv, u"a\xD800z"sv, u"\xDC00\xD800"sv}) {
    EXPECT_EQ(Utf16ToUtf8(bad), std::nullopt);
  }
}

}  // namespace
}  // namespace zarnel::stream
