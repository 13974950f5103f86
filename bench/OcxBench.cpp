// Timings of automation calls on ZarnelX2Pro.ocx, loaded by path: a Position write that changes
// nothing visible (through the vtable and through IDispatch::Invoke) and one that repaints the bar.
// The control sits in a shown window of its own, as in a container. Prints medians per call.
#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "ZarnelX2Pro_TLB.h"

using Microsoft::WRL::ComPtr;

namespace {

double Now() {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / ticksPerMicrosecond;
}

// Median over rounds of the mean time of one call in a batch, in microseconds.
double MedianMicroseconds(int rounds, int batch, const std::function<void(int)>& call) {
  std::vector<double> samples;
  for (int r = 0; r < rounds; ++r) {
    const double start = Now();
    for (int i = 0; i < batch; ++i) call(r * batch + i);
    samples.push_back((Now() - start) / batch);
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

void Check(HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    std::fprintf(stderr, "%s failed: 0x%08lX\n", what, static_cast<unsigned long>(hr));
    std::exit(1);
  }
}

ComPtr<IZarnelX> CreateControl(HMODULE ocx) {
  using TGetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
  const auto getClassObject = reinterpret_cast<TGetClassObject>(reinterpret_cast<void*>(::GetProcAddress(ocx, "DllGetClassObject")));
  ComPtr<IClassFactory> factory;
  Check(getClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), "DllGetClassObject");
  ComPtr<IZarnelX> control;
  Check(factory->CreateInstance(nullptr, IID_PPV_ARGS(&control)), "CreateInstance");
  return control;
}

// Takes the control's window out of its parking window into a shown window, as a container would.
HWND ShowInWindow() {
  HWND host = ::CreateWindowExA(0, "STATIC", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 120, nullptr,
                                nullptr, nullptr, nullptr);
  HWND parking = ::FindWindowA("TZarnelParkingWindow", nullptr);
  HWND bar = parking ? ::FindWindowExA(parking, nullptr, "TZarnel2Pro", nullptr) : nullptr;
  if (!bar) {
    std::fprintf(stderr, "control window not found\n");
    std::exit(1);
  }
  ::SetParent(bar, host);
  ::SetWindowPos(bar, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
  ::UpdateWindow(host);
  return host;
}

void InvokePosition(IDispatch* dispatch, long value) {
  VARIANT arg;
  arg.vt = VT_I4;
  arg.lVal = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, &named, 1, 1};
  dispatch->Invoke(221, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
  const int rounds = smoke ? 3 : 31;
  const int batch = smoke ? 100 : 10000;
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HMODULE ocx = ::LoadLibraryA(ZARNEL_OCX_PATH);
  if (!ocx) {
    std::fprintf(stderr, "cannot load %s\n", ZARNEL_OCX_PATH);
    return 1;
  }
  {
    ComPtr<IZarnelX> control = CreateControl(ocx);
    ComPtr<IDispatch> dispatch;
    Check(control.As(&dispatch), "QueryInterface(IDispatch)");
    HWND host = ShowInWindow();
    // A range so wide that a step of one changes neither the percentage nor the split column.
    Check(control->put_Max(100000000), "put_Max");
    Check(control->put_Position(50000000), "put_Position");

    const double vtable = MedianMicroseconds(rounds, batch, [&](int i) { control->put_Position(50000000 + (i & 1)); });
    const double invoke = MedianMicroseconds(rounds, batch, [&](int i) { InvokePosition(dispatch.Get(), 50000000 + (i & 1)); });
    Check(control->put_Max(100), "put_Max");
    const double visible = MedianMicroseconds(rounds, smoke ? 10 : 200, [&](int i) { control->put_Position(i % 2 ? 30 : 70); });

    std::printf("%-45s %10s\n", "scenario (133x20 bar, Wine)", "median us");
    std::printf("%-45s %10.3f\n", "Position write, nothing visible, vtable", vtable);
    std::printf("%-45s %10.3f\n", "Position write, nothing visible, IDispatch", invoke);
    std::printf("%-45s %10.3f\n", "Position write, visible change, vtable", visible);
    // The object destroys its control window; the host goes after it.
    dispatch.Reset();
    control.Reset();
    ::DestroyWindow(host);
  }
  ::CoUninitialize();
  return 0;
}
