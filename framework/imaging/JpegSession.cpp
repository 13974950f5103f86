#include "JpegSession.h"

#include <jerror.h>

namespace zarnel::imaging {

namespace {

TJpegSession& SessionOf(j_common_ptr info) { return *static_cast<TJpegSession*>(info->client_data); }

[[noreturn]] void FailWithLibraryMessage(j_common_ptr info) {
  TJpegSession& session = SessionOf(info);
  (*info->err->format_message)(info, session.Message);
  std::longjmp(session.Failure, 1);
}

extern "C" {

// Replaces libjpeg's default, which calls exit().
[[noreturn]] void OnError(j_common_ptr info) { FailWithLibraryMessage(info); }

// A truncated file would otherwise decode as grey blocks without a word.
void OnMessage(j_common_ptr info, int level) {
  const bool warning = level < 0;
  if (warning && info->err->msg_code == JWRN_JPEG_EOF) {
    FailWithLibraryMessage(info);
  }
}

void OnProgress(j_common_ptr info) {
  TJpegSession& session = SessionOf(info);
  if (session.Info.input_scan_number > MaxJpegScans) {
    std::snprintf(session.Message, sizeof session.Message, "more than %d scans", MaxJpegScans);
    std::longjmp(session.Failure, 1);
  }
}

}  // extern "C"

}  // namespace

void InstallErrorHandlers(TJpegSession& session) {
  session.Info.err = jpeg_std_error(&session.Errors);
  session.Errors.error_exit = OnError;
  session.Errors.emit_message = OnMessage;
  session.Info.client_data = &session;
}

void InstallScanLimit(TJpegSession& session) {
  session.Progress.progress_monitor = OnProgress;
  session.Info.progress = &session.Progress;
}

}  // namespace zarnel::imaging
