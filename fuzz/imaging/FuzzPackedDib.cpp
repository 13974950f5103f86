// libFuzzer entry point over the packed-DIB reader behind bitmap resources. The control checks the
// size the header claims before it decodes, so a picture that decodes must have exactly that size
// (height as stored, negative for top-down) and must keep the decoders' promises.
#include <cstddef>
#include <cstdint>
#include <span>

#include "PackedDib.h"
#include "PictureCheck.h"

using namespace zarnel::imaging;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> dib(data, size);
  TDecodedImage image;
  try {
    image = DecodePackedDib(dib);
  } catch (const EImageError&) {
    // Refused input: reading its claimed size may fail as well, but only in the same way.
    try {
      PackedDibSize(dib);
    } catch (const EImageError&) {
    }
    return 0;
  }
  // A picture that decoded has a readable header; an exception escaping here ends the run.
  const TDibSize claimed = PackedDibSize(dib);
  fuzz::Require(claimed.Width == image.Width);
  fuzz::Require(claimed.Height == image.Height || claimed.Height == -int64_t{image.Height});
  fuzz::CheckPicture(image);
  return 0;
}
