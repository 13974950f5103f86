#include "BmpHeader.h"

#include <algorithm>
#include <string>

#include "DecodedImage.h"
#include "LittleEndianReader.h"

namespace zarnel::imaging {

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderStart = FileHeaderSize;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t V4HeaderSize = 108;
constexpr uint32_t V5HeaderSize = 124;
constexpr size_t MaskBlockSize = 12;

// The fields that differ in position and width between the core header and the later ones.
struct TRawFields {
  int64_t Width = 0;
  int64_t Height = 0;
  uint16_t BitCount = 0;
  uint32_t Compression = 0;
  uint32_t ColorsUsed = 0;
  size_t PaletteEntrySize = 0;
};

TRawFields ReadCoreFields(const TLittleEndianReader& reader) {
  return {.Width = reader.U16(InfoHeaderStart + 4),
          .Height = reader.U16(InfoHeaderStart + 6),
          .BitCount = reader.U16(InfoHeaderStart + 10),
          .Compression = 0,
          .ColorsUsed = 0,
          .PaletteEntrySize = 3};
}

TRawFields ReadInfoFields(const TLittleEndianReader& reader) {
  return {.Width = reader.I32(InfoHeaderStart + 4),
          .Height = reader.I32(InfoHeaderStart + 8),
          .BitCount = reader.U16(InfoHeaderStart + 14),
          .Compression = reader.U32(InfoHeaderStart + 16),
          .ColorsUsed = reader.U32(InfoHeaderStart + 32),
          .PaletteEntrySize = 4};
}

void CheckBitCount(uint16_t bitCount, bool coreHeader) {
  const bool common = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
  const bool infoOnly = !coreHeader && (bitCount == 16 || bitCount == 32);
  if (!common && !infoOnly) {
    throw EImageError("unsupported BMP bit count " + std::to_string(bitCount));
  }
}

TBmpCompression CheckCompression(uint32_t compression, uint16_t bitCount) {
  const auto mismatch = [&](const char* name) {
    return EImageError(std::string("BMP compression ") + name + " does not fit " + std::to_string(bitCount) +
                       " bits per pixel");
  };
  switch (compression) {
    case static_cast<uint32_t>(TBmpCompression::Rgb):
      return TBmpCompression::Rgb;
    case static_cast<uint32_t>(TBmpCompression::Rle8):
      if (bitCount != 8) throw mismatch("RLE8");
      return TBmpCompression::Rle8;
    case static_cast<uint32_t>(TBmpCompression::Rle4):
      if (bitCount != 4) throw mismatch("RLE4");
      return TBmpCompression::Rle4;
    case static_cast<uint32_t>(TBmpCompression::Bitfields):
      if (bitCount != 16 && bitCount != 32) throw mismatch("BITFIELDS");
      return TBmpCompression::Bitfields;
    default:
      throw EImageError("unsupported BMP compression " + std::to_string(compression));
  }
}

// Returns where the headers (and any masks after them) end.
size_t ReadMasks(const TLittleEndianReader& reader, uint32_t headerSize, TBmpHeader& header) {
  const size_t headersEnd = InfoHeaderStart + headerSize;
  if (header.Compression == TBmpCompression::Bitfields) {
    // V4 and V5 carry the masks inside the header; an info header is followed by them.
    const size_t maskStart = InfoHeaderStart + InfoHeaderSize;
    header.Masks = {reader.U32(maskStart), reader.U32(maskStart + 4), reader.U32(maskStart + 8)};
    return headerSize == InfoHeaderSize ? headersEnd + MaskBlockSize : headersEnd;
  }
  if (header.BitCount == 16) {
    header.Masks = {0x7C00, 0x03E0, 0x001F};
  } else if (header.BitCount == 32) {
    header.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
  }
  return headersEnd;
}

// Entries missing between the headers and the pixel data stay out of the table (shown black).
void ReadPalette(std::span<const uint8_t> file, size_t paletteStart, const TRawFields& fields, TBmpHeader& header) {
  if (header.BitCount > 8) {
    return;
  }
  const uint32_t fullTable = uint32_t{1} << header.BitCount;
  const uint32_t declared = fields.ColorsUsed == 0 ? fullTable : std::min(fields.ColorsUsed, fullTable);
  const size_t present = (header.PixelOffset - paletteStart) / fields.PaletteEntrySize;
  const size_t count = std::min<size_t>(declared, present);
  header.Palette.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* entry = file.data() + paletteStart + i * fields.PaletteEntrySize;
    header.Palette.push_back(MakePixel(entry[2], entry[1], entry[0]));
  }
}

}  // namespace

TBmpHeader ReadBmpHeader(std::span<const uint8_t> file) {
  const TLittleEndianReader reader(file, "BMP file is truncated in its headers");
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
    throw EImageError("not a BMP file: no \"BM\" signature");
  }
  const uint32_t pixelOffset = reader.U32(10);
  const uint32_t headerSize = reader.U32(InfoHeaderStart);
  const bool coreHeader = headerSize == CoreHeaderSize;
  if (!coreHeader && headerSize != InfoHeaderSize && headerSize != V4HeaderSize && headerSize != V5HeaderSize) {
    throw EImageError("unsupported BMP header size " + std::to_string(headerSize));
  }
  reader.Bytes(InfoHeaderStart, headerSize);  // the whole header must be there
  const TRawFields fields = coreHeader ? ReadCoreFields(reader) : ReadInfoFields(reader);

  TBmpHeader header;
  header.TopDown = fields.Height < 0;
  // 64 bits: the negation of INT32_MIN does not fit 32.
  const int64_t height = header.TopDown ? -fields.Height : fields.Height;
  CheckPictureSize(fields.Width, height);
  header.Width = static_cast<int32_t>(fields.Width);
  header.Height = static_cast<int32_t>(height);

  CheckBitCount(fields.BitCount, coreHeader);
  header.BitCount = fields.BitCount;
  header.Compression = CheckCompression(fields.Compression, fields.BitCount);
  if (header.IsRunLength() && header.TopDown) {
    throw EImageError("RLE compressed BMP files cannot be top-down");
  }

  const size_t headersEnd = ReadMasks(reader, headerSize, header);
  if (pixelOffset < headersEnd) {
    throw EImageError("BMP pixel data offset " + std::to_string(pixelOffset) + " lies inside the headers");
  }
  if (pixelOffset > file.size()) {
    throw EImageError("BMP pixel data offset " + std::to_string(pixelOffset) + " lies beyond the end of the file");
  }
  header.PixelOffset = pixelOffset;
  ReadPalette(file, headersEnd, fields, header);
  return header;
}

}  // namespace zarnel::imaging
