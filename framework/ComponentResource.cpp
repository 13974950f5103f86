#include "ComponentResource.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <span>

#include "AnsiCodePage.h"
#include "ComponentReader.h"
#include "ComponentStreamAdapter.h"
#include "FrameworkError.h"
#include "WindowClass.h"

namespace zarnel {
namespace {

// The bytes of a loaded resource, handed out front to back.
class TResourceSource final : public stream::IByteSource {
 public:
  explicit TResourceSource(std::span<const uint8_t> bytes) : FBytes(bytes) {}

  size_t Read(std::span<uint8_t> buffer) override {
    const size_t count = std::min(buffer.size(), FBytes.size() - FPosition);
    std::copy_n(FBytes.begin() + static_cast<ptrdiff_t>(FPosition), count, buffer.begin());
    FPosition += count;
    return count;
  }
  void GiveBack(size_t count) noexcept override { FPosition -= std::min(count, FPosition); }

 private:
  std::span<const uint8_t> FBytes;
  size_t FPosition = 0;
};

std::span<const uint8_t> ResourceBytes(const char* name) {
  HMODULE module = ModuleInstance();
  HRSRC info = ::FindResourceA(module, name, RT_RCDATA);
  HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) throw EFrameworkError(FormatText("Resource %s not found", {name}));
  return {static_cast<const uint8_t*>(bytes), ::SizeofResource(module, info)};
}

}  // namespace

void ReadComponentResource(TComponent& root, const char* resourceName) {
  TResourceSource source(ResourceBytes(resourceName));
  TComponentStreamAdapter adapter(root);
  stream::ReadComponentStream(source, adapter, TAnsiCodePage{});
}

}  // namespace zarnel
