// libFuzzer entry point over one picture decoder, chosen at build time: ZARNEL_FUZZ_DECODER is
// DecodeBmp or DecodeJpeg. Besides sanitizer reports it aborts on a decoded picture that breaks
// the decoders' promises, and round-trips small pictures through the BMP writer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "BmpDecoder.h"
#include "BmpEncoder.h"
#include "JpegDecoder.h"

namespace {

using namespace zarnel::imaging;

// Larger pictures would slow every run down for little gain in coverage.
constexpr size_t MaxRoundTripPixels = size_t{1} << 16;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void CheckPicture(const TDecodedImage& image) {
  Require(image.Width > 0 && image.Width <= MaxPictureSide);
  Require(image.Height > 0 && image.Height <= MaxPictureSide);
  Require(image.Pixels.size() == size_t(image.Width) * size_t(image.Height));
  for (uint32_t pixel : image.Pixels) {
    Require(pixel <= 0xFFFFFF);
  }
  if (image.Pixels.size() <= MaxRoundTripPixels) {
    const TDecodedImage copy = DecodeBmp(EncodeBmp24(image));
    Require(copy.Width == image.Width && copy.Height == image.Height && copy.Pixels == image.Pixels);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TDecodedImage image;
  try {
    image = ZARNEL_FUZZ_DECODER(std::span<const uint8_t>(data, size));
  } catch (const EImageError&) {
    return 0;
  }
  CheckPicture(image);
  return 0;
}
