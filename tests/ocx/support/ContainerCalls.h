#pragma once
// The calls a test container's objects receive, by name in the order they came, and the reference
// count every one of those objects keeps (it lives as long as the container, not as its count says).
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zarnel::test {

class TContainerCalls {
 public:
  void Add(std::string name) { FNames.push_back(std::move(name)); }
  void Clear() { FNames.clear(); }
  const std::vector<std::string>& Names() const { return FNames; }
  long Count(const std::string& name) const { return static_cast<long>(std::count(FNames.begin(), FNames.end(), name)); }

 private:
  std::vector<std::string> FNames;
};

class TReferenceCount {
 public:
  ULONG AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&FCount)); }
  ULONG Release() { return static_cast<ULONG>(::InterlockedDecrement(&FCount)); }
  LONG Count() const { return FCount; }

 private:
  LONG FCount = 0;
};

}  // namespace zarnel::test
