#include "JpegDecoder.h"

#include <climits>
#include <string>
#include <vector>

#include "JpegSession.h"

namespace zarnel::imaging {

namespace {

// The functions that call into libjpeg each hold the setjmp for their own calls. Their frames
// contain nothing with a destructor, and they return false with session.Message set on failure.

bool SetOutputColour(TJpegSession& session) {
  switch (session.Info.jpeg_color_space) {
    case JCS_GRAYSCALE:
      // Expanded to grey RGB by us: not every libjpeg converts grey to RGB itself.
      session.Info.out_color_space = JCS_GRAYSCALE;
      return true;
    case JCS_YCbCr:
    case JCS_RGB:
      session.Info.out_color_space = JCS_RGB;
      return true;
    case JCS_CMYK:
    case JCS_YCCK:
      std::snprintf(session.Message, sizeof session.Message, "CMYK pictures are not supported");
      return false;
    default:
      std::snprintf(session.Message, sizeof session.Message, "unsupported colour space");
      return false;
  }
}

bool ReadHeader(TJpegSession& session, const uint8_t* data, unsigned long size) {
  if (setjmp(session.Failure) != 0) {
    return false;
  }
  jpeg_create_decompress(&session.Info);
  InstallScanLimit(session);
  jpeg_mem_src(&session.Info, data, size);
  jpeg_read_header(&session.Info, TRUE);
  if (!SetOutputColour(session)) {
    return false;
  }
  session.Info.scale_num = 1;
  session.Info.scale_denom = 1;
  session.Info.dct_method = JDCT_ISLOW;
  session.Info.do_block_smoothing = TRUE;
  session.Info.buffered_image = FALSE;
  jpeg_calc_output_dimensions(&session.Info);
  return true;
}

void StoreRow(const JSAMPLE* samples, int components, JDIMENSION width, uint32_t* out) {
  for (JDIMENSION x = 0; x < width; ++x) {
    const JSAMPLE* p = samples + size_t(x) * components;
    out[x] = components == 1 ? MakePixel(p[0], p[0], p[0]) : MakePixel(p[0], p[1], p[2]);
  }
}

// `pixels` holds output_width * output_height entries, `samples` one row of output samples.
bool ReadPixels(TJpegSession& session, JSAMPLE* samples, uint32_t* pixels) {
  if (setjmp(session.Failure) != 0) {
    return false;
  }
  jpeg_decompress_struct& info = session.Info;
  jpeg_start_decompress(&info);
  JSAMPROW rows[1] = {samples};
  while (info.output_scanline < info.output_height) {
    uint32_t* out = pixels + size_t(info.output_scanline) * info.output_width;
    if (jpeg_read_scanlines(&info, rows, 1) != 1) {
      std::snprintf(session.Message, sizeof session.Message, "decoder stalled");
      return false;
    }
    StoreRow(samples, info.output_components, info.output_width, out);
  }
  jpeg_finish_decompress(&info);
  return true;
}

[[noreturn]] void Fail(const TJpegSession& session) { throw EImageError(std::string("JPEG: ") + session.Message); }

// Releases libjpeg's memory however the decode ends.
class TSessionCloser {
 public:
  explicit TSessionCloser(TJpegSession& session) : Session(session) {}
  ~TSessionCloser() { jpeg_destroy_decompress(&Session.Info); }
  TSessionCloser(const TSessionCloser&) = delete;
  TSessionCloser& operator=(const TSessionCloser&) = delete;

 private:
  TJpegSession& Session;
};

}  // namespace

TDecodedImage DecodeJpeg(std::span<const uint8_t> file) {
  // libjpeg takes the size as unsigned long, which is 32 bits on Windows.
  if (file.size() > ULONG_MAX) {
    throw EImageError("JPEG: file too large");
  }
  TJpegSession session{};
  InstallErrorHandlers(session);
  const TSessionCloser closer(session);
  if (!ReadHeader(session, file.data(), static_cast<unsigned long>(file.size()))) {
    Fail(session);
  }
  TDecodedImage image = AllocateImage(session.Info.output_width, session.Info.output_height);
  std::vector<JSAMPLE> samples(size_t(session.Info.output_width) * size_t(session.Info.output_components));
  if (!ReadPixels(session, samples.data(), image.Pixels.data())) {
    Fail(session);
  }
  return image;
}

}  // namespace zarnel::imaging
