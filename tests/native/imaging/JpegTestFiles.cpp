#include "JpegTestFiles.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// After <cstddef> and <cstdio>: libjpeg's header uses size_t and FILE without including them.
#include <jpeglib.h>

namespace zarnel::imaging::test {

namespace {

// 63 single-coefficient AC bands and the DC band, each refined by successive approximation.
constexpr int Bands = 64;
constexpr int MaxPassesPerBand = 11;  // libjpeg allows point transforms 0 to 10 for 8-bit samples

uint8_t Channel(uint32_t pixel, int shift) { return static_cast<uint8_t>(pixel >> shift); }

std::vector<JSAMPLE> Samples(const TDecodedImage& picture, TJpegKind kind) {
  std::vector<JSAMPLE> samples;
  for (uint32_t pixel : picture.Pixels) {
    switch (kind) {
      case TJpegKind::Grey:
        samples.push_back(Channel(pixel, 8));
        break;
      case TJpegKind::Cmyk:
        samples.insert(samples.end(),
                       {static_cast<JSAMPLE>(255 - Channel(pixel, 16)), static_cast<JSAMPLE>(255 - Channel(pixel, 8)),
                        static_cast<JSAMPLE>(255 - Channel(pixel, 0)), 0});
        break;
      default:
        samples.insert(samples.end(), {Channel(pixel, 16), Channel(pixel, 8), Channel(pixel, 0)});
    }
  }
  return samples;
}

std::vector<jpeg_scan_info> ProgressiveScript(int scans) {
  if (scans < Bands || scans > Bands * MaxPassesPerBand) {
    throw std::invalid_argument("scan count out of range");
  }
  std::vector<jpeg_scan_info> script;
  for (int band = 0; band < Bands; ++band) {
    const int passes = scans / Bands + (band < scans % Bands ? 1 : 0);
    for (int pass = 0; pass < passes; ++pass) {
      const int pointTransform = passes - 1 - pass;
      const int previous = pass == 0 ? 0 : pointTransform + 1;
      script.push_back({1, {0}, band, band, previous, pointTransform});
    }
  }
  return script;
}

std::vector<uint8_t> Compress(const TDecodedImage& picture, TJpegKind kind, int scans) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);

  info.image_width = static_cast<JDIMENSION>(picture.Width);
  info.image_height = static_cast<JDIMENSION>(picture.Height);
  const bool grey = kind == TJpegKind::Grey;
  info.input_components = grey ? 1 : kind == TJpegKind::Cmyk ? 4 : 3;
  info.in_color_space = grey ? JCS_GRAYSCALE : kind == TJpegKind::Cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  const std::vector<jpeg_scan_info> script = scans > 0 ? ProgressiveScript(scans) : std::vector<jpeg_scan_info>{};
  if (!script.empty()) {
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  } else if (kind == TJpegKind::Progressive) {
    jpeg_simple_progression(&info);
  }

  std::vector<JSAMPLE> samples = Samples(picture, kind);
  jpeg_start_compress(&info, TRUE);
  const size_t stride = samples.size() / static_cast<size_t>(picture.Height);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = samples.data() + info.next_scanline * stride;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<uint8_t> file(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return file;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const TDecodedImage& picture, TJpegKind kind) { return Compress(picture, kind, 0); }

std::vector<uint8_t> EncodeJpegWithScans(const TDecodedImage& picture, int scans) {
  return Compress(picture, TJpegKind::Grey, scans);
}

}  // namespace zarnel::imaging::test
