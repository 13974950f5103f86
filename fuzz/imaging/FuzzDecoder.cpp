// libFuzzer entry point over one picture decoder, chosen at build time: ZARNEL_FUZZ_DECODER is
// DecodeBmp or DecodeJpeg. Besides sanitizer reports it aborts on a decoded picture that breaks
// the decoders' promises, and round-trips small pictures through the BMP writer.
#include <cstddef>
#include <cstdint>
#include <span>

#include "BmpDecoder.h"
#include "JpegDecoder.h"
#include "PictureCheck.h"

using namespace zarnel::imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TDecodedImage image;
  try {
    image = ZARNEL_FUZZ_DECODER(std::span<const uint8_t>(data, size));
  } catch (const EImageError&) {
    return 0;
  }
  fuzz::CheckPicture(image);
  return 0;
}
