#include "BmpRle.h"

#include "LittleEndianReader.h"

namespace zarnel::imaging {

namespace {

// Escape codes that follow a zero run length.
constexpr uint8_t EndOfLine = 0;
constexpr uint8_t EndOfPicture = 1;
constexpr uint8_t Delta = 2;

// Drawing position in file order (row 0 at the bottom), unbounded so that clipping is one test.
class TRleCanvas {
 public:
  TRleCanvas(const TBmpHeader& header, TDecodedImage& image) : Header(header), Image(image) {}

  void Put(uint32_t index) {
    if (X < uint64_t(Image.Width) && Y < uint64_t(Image.Height)) {
      const size_t row = Header.ImageRow(static_cast<size_t>(Y));
      Image.Pixels[row * static_cast<size_t>(Image.Width) + static_cast<size_t>(X)] = Header.PaletteColor(index);
    }
    ++X;
  }

  void NextLine() {
    X = 0;
    ++Y;
  }

  void Move(uint8_t right, uint8_t up) {
    X += right;
    Y += up;
  }

  bool Finished() const { return Y >= uint64_t(Image.Height); }

 private:
  const TBmpHeader& Header;
  TDecodedImage& Image;
  uint64_t X = 0;
  uint64_t Y = 0;
};

// Index of pixel i of a run: RLE4 packs two, high nibble first.
uint32_t RunIndex(uint8_t byte, size_t i, bool fourBit) {
  if (!fourBit) {
    return byte;
  }
  return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

}  // namespace

TDecodedImage DecodeBmpRle(const TBmpHeader& header, std::span<const uint8_t> file) {
  const TLittleEndianReader reader(file, "BMP RLE data is truncated");
  const bool fourBit = header.Compression == TBmpCompression::Rle4;
  TDecodedImage image = AllocateImage(header.Width, header.Height);
  TRleCanvas canvas(header, image);
  // Every step consumes input, so the loop ends within the file's length.
  size_t position = header.PixelOffset;
  while (!canvas.Finished()) {
    const uint8_t count = reader.U8(position);
    const uint8_t code = reader.U8(position + 1);
    position += 2;
    if (count > 0) {
      for (size_t i = 0; i < count; ++i) {
        canvas.Put(RunIndex(code, i, fourBit));
      }
    } else if (code == EndOfLine) {
      canvas.NextLine();
    } else if (code == EndOfPicture) {
      break;
    } else if (code == Delta) {
      canvas.Move(reader.U8(position), reader.U8(position + 1));
      position += 2;
    } else {
      // Absolute mode: `code` literal pixels, padded to a 16-bit boundary.
      const size_t byteCount = fourBit ? (code + 1u) / 2 : code;
      const auto literal = reader.Bytes(position, byteCount);
      for (size_t i = 0; i < code; ++i) {
        canvas.Put(RunIndex(literal[fourBit ? i / 2 : i], i, fourBit));
      }
      position += byteCount + byteCount % 2;
    }
  }
  return image;
}

}  // namespace zarnel::imaging
