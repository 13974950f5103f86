#include "StreamComponent.h"

#include <algorithm>

#include "StreamError.h"

namespace zarnel::stream {

namespace {

bool IsIdentStart(char c) noexcept { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool IsIdentPart(char c) noexcept { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

bool IsValidComponentName(std::string_view name) noexcept {
  return name.empty() || (IsIdentStart(name.front()) && std::ranges::all_of(name.substr(1), IsIdentPart));
}

}  // namespace

TStreamComponent* TStreamComponent::CreateChild(std::string_view) { return nullptr; }

void TStreamComponent::SetName(std::string_view name) {
  if (!IsValidComponentName(name)) throw EStreamError::InvalidComponentName(name);
  FName = name;
}

void TStreamComponent::Loaded() { FLoading = false; }

}  // namespace zarnel::stream
