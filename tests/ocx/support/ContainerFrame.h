#pragma once
// The frame (or document) window object a test container hands out with its window context: it
// records which active object it was given.
#include <windows.h>
#include <oleidl.h>

#include <string>

#include "ContainerCalls.h"

namespace zarnel::test {

class TContainerFrame final : public IOleInPlaceFrame {
 public:
  // Calls are recorded as "<name>.SetActiveObject" (or "...(null)" when the object is taken back).
  TContainerFrame(std::string name, HWND window, TContainerCalls& calls)
      : FName(std::move(name)), FWindow(window), FCalls(calls) {}
  TContainerFrame(const TContainerFrame&) = delete;
  TContainerFrame& operator=(const TContainerFrame&) = delete;

  LONG References() const { return FReferences.Count(); }
  // The object last made active through this window, or null; held without a reference.
  IOleInPlaceActiveObject* ActiveObject() const { return FActiveObject; }

  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override { return FReferences.AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return FReferences.Release(); }

  STDMETHODIMP GetWindow(HWND* wnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  std::string FName;
  HWND FWindow;
  TContainerCalls& FCalls;
  TReferenceCount FReferences;
  IOleInPlaceActiveObject* FActiveObject = nullptr;
};

}  // namespace zarnel::test
