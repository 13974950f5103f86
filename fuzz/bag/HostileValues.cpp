#include "HostileValues.h"

#include <olectl.h>
#include <wrl/client.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <span>
#include <string>

namespace zarnel::fuzz {
namespace {

using Microsoft::WRL::ComPtr;

constexpr int64_t IntegerValues[] = {
    0, 1, -1, 2, 3, 4, 100, 127, 128, -128, -129, 255, 256, 32767, 32768, -32768, -32769, 65535, 65536,
    std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::min(), 4294967295LL, 4294967296LL,
    std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};

constexpr double DoubleValues[] = {
    0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 0.49999999999999994, 3.5, 100.0, 255.5, 256.0, 1e308, -1e308, DBL_MAX,
    -DBL_MAX, DBL_MIN, 4.9406564584124654e-324, 2147483647.5, 2147483648.0, -2147483648.5, -2147483649.0,
    4294967295.5, 4294967296.0, 922337203685477.5807, 9.2233720368547758e18,
    2958465.99999999,  // the last day a date can name
    -657434.0, -657435.0, 1e-300, std::numeric_limits<double>::quiet_NaN(),
    -std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
    -std::numeric_limits<double>::infinity()};

constexpr float FloatValues[] = {
    0.0f, -0.0f, 0.5f, 1.5f, 2.5f, -2.5f, 255.5f, FLT_MAX, -FLT_MAX, FLT_MIN, 1.4e-45f, 2147483648.0f,
    4294967296.0f, 16777216.0f, 1e10f, -1e10f, std::numeric_limits<float>::quiet_NaN(),
    std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity()};

// Currency values are scaled by 10000: halves, the ends of a long, the ends of the type.
constexpr int64_t CurrencyValues[] = {
    0, 1, -1, 5000, 10000, -10000, 15000, 25000, -25000, 2555000, 21474836475000LL, 21474836480000LL,
    -21474836485000LL, std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::min()};

constexpr int16_t BooleanValues[] = {0, -1, 1, 2, 0x1234, 0x100, 0xFF, 0x7FFF, -32768};

constexpr SCODE ErrorValues[] = {S_OK, 1, E_FAIL, E_ABORT, DISP_E_PARAMNOTFOUND, DISP_E_TYPEMISMATCH,
                                 0x7FFFFFFF, -1};

const wchar_t* const NumberTexts[] = {
    L"1e308", L"-1e308", L"1e-400", L"  12 ", L"0x10", L"&H10", L"&HFFFFFFFF", L"&O17", L"2147483647",
    L"2147483648", L"-2147483649", L"4294967295", L"4294967296", L"1.5", L"2.5", L"-0", L"NaN", L"Infinity",
    L"1,000", L"$5", L"True", L"False", L"#TRUE#", L"", L" ", L"0.0000000000000000000000000001",
    L"99999999999999999999999999999999", L"255", L"256", L"-1", L"3", L"4", L"12:30", L"2000-01-01",
    L"\u00a012", L"\uff11\uff12", L"1e", L"--1", L"+5", L"(5)", L"5-"};

const HRESULT QueryFailures[] = {E_NOINTERFACE, E_FAIL, E_OUTOFMEMORY, E_UNEXPECTED};
// Success comes twice as often: a value has to come out before the platform can misread it.
const HRESULT InvokeAnswers[] = {S_OK, S_OK, S_FALSE, E_FAIL, DISP_E_MEMBERNOTFOUND, DISP_E_TYPEMISMATCH,
                                 DISP_E_OVERFLOW, E_OUTOFMEMORY, E_NOTIMPL, E_ABORT, DISP_E_EXCEPTION};
const SCODE ExceptionCodes[] = {E_ABORT, E_FAIL, 0, DISP_E_OVERFLOW, static_cast<SCODE>(0x800A000D)};

template <typename T, size_t N>
const T& Choose(TByteReader& in, const T (&values)[N]) {
  return values[in.Byte() % N];
}

// A table value for a selector byte below 0x80, raw bytes otherwise.
template <typename T, typename TTable, size_t N>
T Pick(TByteReader& in, const TTable (&table)[N]) {
  const uint8_t selector = in.Byte();
  if (selector & 0x80) return in.Raw<T>();
  return static_cast<T>(table[selector % N]);
}

// The longest text made: 32768 UTF-16 units, 64 KiB.
constexpr uint32_t MaxTextUnits = 0x8000;

}  // namespace

enum class TValueMaker::TFamily : uint8_t {
  Empty, Null, I1, I2, I4, I8, UI1, UI2, UI4, UI8, Int, UInt, R4, R8, Currency, Date, Decimal, Bool, Error,
  String, NullDispatch, NullUnknown, FontDispatch, FontUnknown, HostileDispatch, HostileUnknown, ByteArray,
  ByReference, Count
};

TValueMaker::TValueMaker(TByteReader& in, TInputResources& resources, TAnswerTrace& trace)
    : FIn(in), FResources(resources), FTrace(trace) {}

TVariant TValueMaker::Make(uint8_t selector) {
  return Make(static_cast<TFamily>(selector % static_cast<uint8_t>(TFamily::Count)), 0, true);
}

TVariant TValueMaker::Make(TFamily family, int depth, bool byReference) {
  TVariant value;
  VARIANT& v = *value;
  switch (family) {
    case TFamily::Empty: break;
    case TFamily::Null: v.vt = VT_NULL; break;
    case TFamily::I1: v.vt = VT_I1; v.cVal = Pick<CHAR>(FIn, IntegerValues); break;
    case TFamily::I2: v.vt = VT_I2; v.iVal = Pick<SHORT>(FIn, IntegerValues); break;
    case TFamily::I4: v.vt = VT_I4; v.lVal = Pick<LONG>(FIn, IntegerValues); break;
    case TFamily::I8: v.vt = VT_I8; v.llVal = Pick<LONGLONG>(FIn, IntegerValues); break;
    case TFamily::UI1: v.vt = VT_UI1; v.bVal = Pick<BYTE>(FIn, IntegerValues); break;
    case TFamily::UI2: v.vt = VT_UI2; v.uiVal = Pick<USHORT>(FIn, IntegerValues); break;
    case TFamily::UI4: v.vt = VT_UI4; v.ulVal = Pick<ULONG>(FIn, IntegerValues); break;
    case TFamily::UI8: v.vt = VT_UI8; v.ullVal = Pick<ULONGLONG>(FIn, IntegerValues); break;
    case TFamily::Int: v.vt = VT_INT; v.intVal = Pick<INT>(FIn, IntegerValues); break;
    case TFamily::UInt: v.vt = VT_UINT; v.uintVal = Pick<UINT>(FIn, IntegerValues); break;
    case TFamily::R4: v.vt = VT_R4; v.fltVal = Pick<FLOAT>(FIn, FloatValues); break;
    case TFamily::R8: v.vt = VT_R8; v.dblVal = Pick<DOUBLE>(FIn, DoubleValues); break;
    case TFamily::Currency: v.vt = VT_CY; v.cyVal.int64 = Pick<LONGLONG>(FIn, CurrencyValues); break;
    case TFamily::Date: v.vt = VT_DATE; v.date = Pick<DOUBLE>(FIn, DoubleValues); break;
    case TFamily::Decimal: {
      const uint8_t form = FIn.Byte();
      DECIMAL d{};
      d.scale = form % 29;
      d.sign = (form & 0x80) ? DECIMAL_NEG : 0;
      d.Hi32 = Pick<ULONG>(FIn, IntegerValues);
      d.Lo64 = Pick<ULONGLONG>(FIn, IntegerValues);
      v.decVal = d;  // over the whole VARIANT: the type goes in after
      v.vt = VT_DECIMAL;
      break;
    }
    case TFamily::Bool: v.vt = VT_BOOL; v.boolVal = Pick<VARIANT_BOOL>(FIn, BooleanValues); break;
    case TFamily::Error: v.vt = VT_ERROR; v.scode = Pick<SCODE>(FIn, ErrorValues); break;
    case TFamily::String: return String();
    case TFamily::NullDispatch: v.vt = VT_DISPATCH; break;
    case TFamily::NullUnknown: v.vt = VT_UNKNOWN; break;
    // Objects nest at most twice: an object's value may be an object whose value is not.
    case TFamily::FontDispatch: if (depth < 2) return Font(VT_DISPATCH); break;
    case TFamily::FontUnknown: if (depth < 2) return Font(VT_UNKNOWN); break;
    case TFamily::HostileDispatch: if (depth < 2) return Hostile(VT_DISPATCH, depth); break;
    case TFamily::HostileUnknown: if (depth < 2) return Hostile(VT_UNKNOWN, depth); break;
    case TFamily::ByteArray: return ByteArray();
    case TFamily::ByReference: if (byReference) return ByReference(depth); break;
    case TFamily::Count: break;
  }
  return value;
}

TVariant TValueMaker::String() {
  std::wstring text;
  switch (FIn.Byte() % 4) {
    case 0: {  // up to 255 raw UTF-16 units from the input: NULs, lone surrogates, anything
      const uint32_t units = std::min<uint32_t>(FIn.Byte(), FIn.Remaining() / 2);
      for (uint32_t i = 0; i < units; ++i) text.push_back(static_cast<wchar_t>(FIn.Raw<uint16_t>()));
      break;
    }
    case 1: text = Choose(FIn, NumberTexts); break;
    case 2: {  // long: two units repeated, the length spread evenly over the powers of two
      const unsigned scale = FIn.Byte() % 16;
      const uint32_t units = std::min<uint32_t>((1u << scale) + FIn.Raw<uint16_t>() % (1u << scale), MaxTextUnits);
      const wchar_t pair[2] = {static_cast<wchar_t>(FIn.Raw<uint16_t>()), static_cast<wchar_t>(FIn.Raw<uint16_t>())};
      for (uint32_t i = 0; i < units; ++i) text.push_back(pair[i % 2]);
      break;
    }
    default: {  // the null string
      TVariant value;
      (*value).vt = VT_BSTR;
      return value;
    }
  }
  TVariant value;
  (*value).bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  if ((*value).bstrVal) (*value).vt = VT_BSTR;
  return value;
}

TVariant TValueMaker::ByteArray() {
  const LONG lowerBound = Pick<SHORT>(FIn, IntegerValues);
  const uint8_t count = FIn.Byte();
  TVariant value;
  SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, lowerBound, count);
  if (!array) return value;
  for (LONG i = 0; i < count; ++i) static_cast<uint8_t*>(array->pvData)[i] = FIn.Byte();
  (*value).vt = VT_ARRAY | VT_UI1;
  (*value).parray = array;
  return value;
}

TVariant TValueMaker::Font(VARTYPE kind) {
  const TVariant name = String();
  FONTDESC description{};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = (*name).vt == VT_BSTR && (*name).bstrVal ? (*name).bstrVal : const_cast<LPOLESTR>(L"");
  description.cySize.int64 = Pick<LONGLONG>(FIn, CurrencyValues);
  description.sWeight = Pick<SHORT>(FIn, IntegerValues);
  description.sCharset = Pick<SHORT>(FIn, IntegerValues);
  description.fItalic = Pick<BOOL>(FIn, IntegerValues);
  description.fUnderline = Pick<BOOL>(FIn, IntegerValues);
  description.fStrikethrough = Pick<BOOL>(FIn, IntegerValues);
  TVariant value;
  ComPtr<IUnknown> font;
  if (FAILED(::OleCreateFontIndirect(&description, IID_PPV_ARGS(&font)))) return value;
  FResources.AddFont(font);
  const IID& face = kind == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
  if (SUCCEEDED(font->QueryInterface(face, reinterpret_cast<void**>(&(*value).punkVal)))) (*value).vt = kind;
  return value;
}

TVariant TValueMaker::Hostile(VARTYPE kind, int depth) {
  THostileBehaviour behaviour;
  const uint8_t faces = FIn.Byte();
  // An object handed out as a dispatch interface has to admit to it.
  behaviour.Dispatch = kind == VT_DISPATCH || (faces & 1);
  behaviour.ClaimsFontDisp = (faces & 2) != 0;
  behaviour.QueryFailure = QueryFailures[(faces >> 2) % std::size(QueryFailures)];
  behaviour.InvokeAnswer = Choose(FIn, InvokeAnswers);
  if (behaviour.InvokeAnswer == DISP_E_EXCEPTION) behaviour.ExceptionCode = Choose(FIn, ExceptionCodes);
  if (SUCCEEDED(behaviour.InvokeAnswer))
    behaviour.Result = Make(static_cast<TFamily>(FIn.Byte() % static_cast<uint8_t>(TFamily::Count)), depth + 1, false);
  IDispatch* object = FResources.AddHostile(std::move(behaviour), FTrace);
  TVariant value;
  (*value).vt = kind;
  (*value).pdispVal = object;  // an IDispatch is also the object's IUnknown
  object->AddRef();
  return value;
}

TVariant TValueMaker::ByReference(int depth) {
  TByRefTarget& target = FResources.AddTarget();
  const auto family = static_cast<TFamily>(FIn.Byte() % static_cast<uint8_t>(TFamily::Count));
  target.Value = Make(family, depth + 1, false);
  TVariant value;
  VARIANT& v = *value;
  VARIANT& pointee = *target.Value;
  if (pointee.vt == VT_EMPTY || pointee.vt == VT_NULL || (FIn.Byte() & 1)) {
    v.vt = VT_BYREF | VT_VARIANT;
    v.pvarVal = &pointee;
  } else if (pointee.vt == VT_DECIMAL) {
    target.Decimal = pointee.decVal;
    ::VariantInit(&pointee);
    v.vt = VT_BYREF | VT_DECIMAL;
    v.pdecVal = &target.Decimal;
  } else {
    // Every member of the value union starts at the same address.
    v.vt = VT_BYREF | pointee.vt;
    v.byref = &pointee.llVal;
  }
  return value;
}

}  // namespace zarnel::fuzz
