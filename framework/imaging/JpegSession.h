#pragma once

#include <csetjmp>
#include <cstddef>
#include <cstdio>

// After <cstddef> and <cstdio>: libjpeg's header uses size_t and FILE without including them.
#include <jpeglib.h>

namespace zarnel::imaging {

// Hostile progressive files can repeat scans without end; no real picture needs this many.
inline constexpr int MaxJpegScans = 500;

// libjpeg state of one decode. Plain data only: libjpeg failures longjmp to Failure, and that
// jump must not skip any destructor.
struct TJpegSession {
  jpeg_decompress_struct Info;
  jpeg_error_mgr Errors;
  jpeg_progress_mgr Progress;
  std::jmp_buf Failure;
  char Message[JMSG_LENGTH_MAX];
};

// Call before jpeg_create_decompress: libjpeg errors, a premature end of data and too many scans
// then longjmp to session.Failure with session.Message set; all other warnings are silent.
void InstallErrorHandlers(TJpegSession& session);

// Call after jpeg_create_decompress, which clears the progress pointer.
void InstallScanLimit(TJpegSession& session);

}  // namespace zarnel::imaging
