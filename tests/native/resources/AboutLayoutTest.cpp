// The About box layout as the build converts it: text to component stream and back.
#include <gtest/gtest.h>

#include <regex>

#include "ObjectTextConversions.h"
#include "ResourceFiles.h"

namespace zarnel::test {
namespace {

using namespace stream;
using namespace stream::testing;

std::string LayoutText() {
  const std::vector<std::uint8_t> bytes = ReadResourceFile("ZarnelXAbout.txt");
  return {bytes.begin(), bytes.end()};
}

TEST(AboutLayout, TheGeneratedStreamDecodesBackToTheTextDescription) {
  const std::string text = LayoutText();
  ASSERT_FALSE(text.empty());
  const std::vector<std::uint8_t> stream = ToBinary(text);
  EXPECT_EQ(ToText(stream), text);
  // Signature, then the form's class and component name.
  const std::string head(stream.begin(), stream.begin() + 4 + 1 + 13 + 1 + 12);
  EXPECT_EQ(head, std::string("TPF0\x0DTZarnelXAbout\x0CZarnelXAbout"));
}

TEST(AboutLayout, TheFormCarriesTheGlyphFileAsItsSpeedButtonsData) {
  const std::string text = LayoutText();
  std::smatch block;
  ASSERT_TRUE(std::regex_search(text, block, std::regex(R"(Glyph\.Data = \{([0-9A-F\s]*)\})")));
  std::string digits = block[1];
  std::erase_if(digits, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
  std::vector<std::uint8_t> data;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) data.push_back(std::stoi(digits.substr(i, 2), nullptr, 16));

  const std::vector<std::uint8_t> glyph = ReadResourceFile("ZarnelXGlyph.bmp");
  ASSERT_EQ(data.size(), glyph.size() + 4);
  const std::uint32_t length = data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24;
  EXPECT_EQ(length, glyph.size());
  EXPECT_TRUE(std::equal(glyph.begin(), glyph.end(), data.begin() + 4)) << "run resources/draw_pictures.py";
}

}  // namespace
}  // namespace zarnel::test
