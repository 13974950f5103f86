#include "OleError.h"

#include <string>

namespace zarnel {
namespace {

std::string SystemMessage(HRESULT hr) {
  char* buffer = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(hr), 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length ? std::string(buffer, length) : std::string();
  if (buffer) ::LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  if (text.empty()) {
    char code[32];
    ::wsprintfA(code, "OLE error %08X", static_cast<unsigned>(hr));
    text = code;
  }
  return text;
}

}  // namespace

void OleCheck(HRESULT hr) {
  if (FAILED(hr)) throw EOleSysError(SystemMessage(hr), hr);
}

}  // namespace zarnel
