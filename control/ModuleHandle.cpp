#include "ModuleHandle.h"

#include <cstring>
#include <span>

#include "FrameworkError.h"

namespace zarnel {
namespace {

// The loader marks data-file mappings in bit 0 and image-resource mappings in bit 1 of the handle.
constexpr uintptr_t LoadFlagBits = 3;

bool Readable(DWORD protect) {
  if (protect & (PAGE_GUARD | PAGE_NOACCESS)) return false;
  return (protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE |
                     PAGE_EXECUTE_WRITECOPY)) != 0;
}

// The committed, readable bytes from the start of a mapping at base; empty when base is anything
// else (free or reserved memory, an address inside an allocation, a page that cannot be read).
std::span<const uint8_t> MappingStart(uintptr_t base) {
  MEMORY_BASIC_INFORMATION info{};
  const auto address = reinterpret_cast<const void*>(base);
  if (::VirtualQuery(address, &info, sizeof info) != sizeof info) return {};
  if (info.AllocationBase != address || info.BaseAddress != address) return {};
  if (info.State != MEM_COMMIT || !Readable(info.Protect)) return {};
  return {static_cast<const uint8_t*>(address), info.RegionSize};
}

// A DOS header whose e_lfanew leads, within the bytes given, to the NT signature, the file header
// and as much optional header (where the resource directory is found) as the file header announces.
bool HoldsImageHeaders(std::span<const uint8_t> bytes) {
  IMAGE_DOS_HEADER dos;
  if (bytes.size() < sizeof dos) return false;
  std::memcpy(&dos, bytes.data(), sizeof dos);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0) return false;
  const auto ntStart = static_cast<size_t>(dos.e_lfanew);
  DWORD signature;
  IMAGE_FILE_HEADER file;
  constexpr size_t fixedPart = sizeof signature + sizeof file;
  if (ntStart > bytes.size() || bytes.size() - ntStart < fixedPart) return false;
  std::memcpy(&signature, bytes.data() + ntStart, sizeof signature);
  std::memcpy(&file, bytes.data() + ntStart + sizeof signature, sizeof file);
  return signature == IMAGE_NT_SIGNATURE && bytes.size() - ntStart - fixedPart >= file.SizeOfOptionalHeader;
}

bool IsImageStart(uintptr_t base) { return base != 0 && HoldsImageHeaders(MappingStart(base)); }

#ifdef _WIN64
constexpr uintptr_t Low32Bits = 0xFFFFFFFF;

// The handle of the one image whose allocation base has the low 32 bits of instance (flag bits
// aside); 0 when no image or more than one has them.
uintptr_t WidenedHandle(uintptr_t instance) {
  const uintptr_t low = instance & Low32Bits & ~LoadFlagBits;
  if (low == 0) return 0;
  SYSTEM_INFO system;
  ::GetSystemInfo(&system);
  auto address = reinterpret_cast<uintptr_t>(system.lpMinimumApplicationAddress);
  const auto last = reinterpret_cast<uintptr_t>(system.lpMaximumApplicationAddress);
  uintptr_t found = 0;
  MEMORY_BASIC_INFORMATION info;
  while (address <= last && ::VirtualQuery(reinterpret_cast<const void*>(address), &info, sizeof info) == sizeof info) {
    const auto region = reinterpret_cast<uintptr_t>(info.BaseAddress);
    if (info.State != MEM_FREE && info.BaseAddress == info.AllocationBase && (region & Low32Bits) == low &&
        IsImageStart(region)) {
      if (found != 0) return 0;
      found = region;
    }
    if (info.RegionSize == 0 || region + info.RegionSize <= address) break;
    address = region + info.RegionSize;
  }
  return found == 0 ? 0 : found | (instance & LoadFlagBits);
}
#endif

}  // namespace

HMODULE ResourceModule(uintptr_t instance) {
  if (instance == 0) return ::GetModuleHandleA(nullptr);
#ifdef _WIN64
  if (instance <= Low32Bits) instance = WidenedHandle(instance);
#endif
  if (!IsImageStart(instance & ~LoadFlagBits)) throw EFrameworkError("Invalid module handle");
  return reinterpret_cast<HMODULE>(instance);
}

}  // namespace zarnel
