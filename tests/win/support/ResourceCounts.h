#pragma once
// What a piece of code may leak, counted the ways that work under Wine: the calling thread's windows
// (top-level and children) and the process's GDI objects by type.
#include <windows.h>

#include <map>
#include <ostream>

namespace zarnel::test {

struct TResourceCounts {
  int Windows = 0;
  std::map<DWORD, int> GdiObjects;  // by GetObjectType
  bool operator==(const TResourceCounts&) const = default;
};

TResourceCounts CountResources();
std::ostream& operator<<(std::ostream& out, const TResourceCounts& counts);

}  // namespace zarnel::test
