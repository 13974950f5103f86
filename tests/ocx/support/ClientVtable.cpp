#include "ClientVtable.h"

#include <gtest/gtest.h>
#include <wrl/client.h>

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

// The interface (vtable) description of the object's dual interface: a dual interface's dispatch
// description refers to it as implemented type -1.
ComPtr<ITypeInfo> VtableTypeInfo(IDispatch* object) {
  ComPtr<ITypeInfo> info;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info))) return nullptr;
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return nullptr;
  const TYPEKIND kind = attr->typekind;
  info->ReleaseTypeAttr(attr);
  if (kind == TKIND_INTERFACE) return info;
  HREFTYPE ref = 0;
  ComPtr<ITypeInfo> dual;
  if (FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) || FAILED(info->GetRefTypeInfo(ref, &dual)))
    return nullptr;
  return dual;
}

}  // namespace

void* VtableEntry(IDispatch* object, MEMBERID id, INVOKEKIND kind) {
  const ComPtr<ITypeInfo> info = VtableTypeInfo(object);
  EXPECT_NE(info, nullptr) << "no interface type information";
  if (!info) return nullptr;
  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr))) return nullptr;
  const UINT functions = attr->cFuncs;
  info->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < functions; ++i) {
    FUNCDESC* desc = nullptr;
    if (FAILED(info->GetFuncDesc(i, &desc))) continue;
    const bool match = desc->memid == id && desc->invkind == kind;
    const SHORT offset = desc->oVft;
    info->ReleaseFuncDesc(desc);
    if (match) return (*reinterpret_cast<void***>(object))[offset / static_cast<SHORT>(sizeof(void*))];
  }
  ADD_FAILURE() << "member " << id << " (kind " << kind << ") is not in the type information";
  return nullptr;
}

HRESULT CallWithWideArgument(IDispatch* object, MEMBERID id, INVOKEKIND kind, uint32_t value) {
  using TWideMember = HRESULT(STDMETHODCALLTYPE*)(IDispatch*, uint32_t);
  const auto member = reinterpret_cast<TWideMember>(VtableEntry(object, id, kind));
  return member ? member(object, value) : E_FAIL;
}

}  // namespace zarnel::test
