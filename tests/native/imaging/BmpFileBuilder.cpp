#include "BmpFileBuilder.h"

namespace zarnel::imaging::test {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  Put16(out, value);
  Put16(out, value >> 16);
}

}  // namespace

std::vector<uint8_t> BuildBmp(const TBmpFields& fields) {
  const bool core = fields.HeaderSize == 12;
  std::vector<uint8_t> header;
  Put32(header, fields.HeaderSize);
  if (core) {
    Put16(header, static_cast<uint32_t>(fields.Width));
    Put16(header, static_cast<uint32_t>(fields.Height));
    Put16(header, 1);
    Put16(header, fields.BitCount);
  } else {
    Put32(header, static_cast<uint32_t>(fields.Width));
    Put32(header, static_cast<uint32_t>(fields.Height));
    Put16(header, 1);
    Put16(header, fields.BitCount);
    Put32(header, fields.Compression);
    Put32(header, 0);  // image size
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, fields.ColorsUsed);
    Put32(header, 0);
    // V4 and V5 hold the masks at bytes 40 to 51; an info header is followed by them.
    for (uint32_t mask : fields.Masks) {
      Put32(header, mask);
    }
    if (fields.HeaderSize > header.size()) {
      header.resize(fields.HeaderSize, 0);
    }
  }
  for (uint32_t colour : fields.Palette) {
    header.push_back(static_cast<uint8_t>(colour));
    header.push_back(static_cast<uint8_t>(colour >> 8));
    header.push_back(static_cast<uint8_t>(colour >> 16));
    if (!core) {
      header.push_back(0);
    }
  }

  const uint32_t naturalOffset = static_cast<uint32_t>(14 + header.size());
  std::vector<uint8_t> file{'B', 'M'};
  Put32(file, static_cast<uint32_t>(naturalOffset + fields.PixelData.size()));
  Put32(file, 0);
  Put32(file, fields.PixelOffset.value_or(naturalOffset));
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), fields.PixelData.begin(), fields.PixelData.end());
  return file;
}

}  // namespace zarnel::imaging::test
