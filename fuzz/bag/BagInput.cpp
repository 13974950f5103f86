#include "BagInput.h"

#include <cwctype>

#include "ByteReader.h"
#include "HostileValues.h"

namespace zarnel::fuzz {
namespace {

wchar_t OtherCase(wchar_t c) { return std::iswupper(c) ? std::towlower(c) : std::towupper(c); }

std::wstring DecodeName(TByteReader& in, const std::vector<TPersistedProperty>& properties) {
  const uint8_t choice = in.Byte();
  const unsigned form = choice >> 5;
  std::wstring name = properties[(choice & 0x1F) % properties.size()].Name;
  switch (form) {
    case 5: {
      const uint8_t which = in.Byte();
      if (which & 0x80) {
        for (wchar_t& c : name) c = OtherCase(c);
      } else if (!name.empty()) {
        name[which % name.size()] = OtherCase(name[which % name.size()]);
      }
      break;
    }
    case 6:
      if (!name.empty()) name.resize(in.Byte() % name.size());
      break;
    case 7:
      name.clear();
      for (unsigned i = 0; i < (choice & 0x1Fu); ++i) name.push_back(static_cast<wchar_t>(in.Byte()));
      break;
    default: break;
  }
  return name;
}

HRESULT DecodeFailure(uint8_t answer) {
  if (answer <= 0xF4) return E_INVALIDARG;
  if (answer <= 0xF9) return E_FAIL;
  if (answer <= 0xFD) return S_FALSE;
  return E_ABORT;
}

}  // namespace

void DecodeBagInput(std::span<const uint8_t> data, const std::vector<TPersistedProperty>& properties,
                    TAnswerTrace& trace, TBagInput& input) {
  TByteReader in(data);
  input.WithErrorLog = (in.Byte() & 1) != 0;
  TValueMaker values(in, input.Resources, trace);
  for (int entry = 0; entry < MaxEntries && !in.AtEnd(); ++entry) {
    std::wstring name = DecodeName(in, properties);
    const uint8_t answer = in.Byte();
    if (answer >= 0xF0) {
      input.Bag->Add(std::move(name), DecodeFailure(answer), TVariant());
    } else {
      input.Bag->Add(std::move(name), S_OK, values.Make(answer));
    }
  }
}

}  // namespace zarnel::fuzz
