// A console client of the built .ocx (its own build's, loaded by path) that writes component streams to
// files, so that what one architecture's control saves can be loaded by the other's:
//
//   persist_tool save FILE         a new object with every persisted property changed, saved to FILE
//   persist_tool resave IN OUT     a new object loaded from IN, saved again to OUT
//
// Exit code 0 when every step succeeded, 1 when one failed (the step is printed), 2 for bad arguments.
#include <gtest/gtest.h>
#include <objbase.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "ClientObject.h"
#include "PersistedState.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

void Check(HRESULT result, const char* step) {
  if (result != S_OK) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
    throw std::runtime_error(std::string(step) + " returned " + code);
  }
}

ComPtr<IPersistStreamInit> NewObject() {
  const ComPtr<IClassFactory> factory = ControlFactory();
  if (!factory) throw std::runtime_error("the .ocx gives no class factory");
  ComPtr<IPersistStreamInit> object;
  Check(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), "IClassFactory::CreateInstance");
  return object;
}

std::string ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot open ") + name);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SaveToFile(IPersistStreamInit* object, const char* name) {
  ComPtr<IStream> stream;
  Check(::CreateStreamOnHGlobal(nullptr, TRUE, &stream), "CreateStreamOnHGlobal");
  Check(object->Save(stream.Get(), TRUE), "IPersistStreamInit::Save");
  const std::string bytes = StreamBytes(stream.Get());
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
    throw std::runtime_error(std::string("cannot write ") + name);
}

void Save(const char* name) {
  const ComPtr<IPersistStreamInit> object = NewObject();
  Check(object->InitNew(), "IPersistStreamInit::InitNew");
  ComPtr<IZarnelX> control;
  Check(object.As(&control), "QueryInterface(IZarnelX)");
  ChangeEveryPersistedProperty(control.Get());
  SaveToFile(object.Get(), name);
}

void Resave(const char* input, const char* output) {
  const ComPtr<IPersistStreamInit> object = NewObject();
  Check(object->Load(StreamOf(ReadFile(input)).Get()), "IPersistStreamInit::Load");
  SaveToFile(object.Get(), output);
}

int Run(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (!(command == "save" && argc == 3) && !(command == "resave" && argc == 4)) {
    std::fprintf(stderr, "usage: persist_tool save FILE | persist_tool resave IN OUT\n");
    return 2;
  }
  if (::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED) != S_OK) {
    std::fprintf(stderr, "persist_tool: CoInitializeEx failed\n");
    return 1;
  }
  int status = 0;
  try {
    if (command == "save")
      Save(argv[2]);
    else
      Resave(argv[2], argv[3]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "persist_tool %s: %s\n", command.c_str(), e.what());
    status = 1;
  }
  ::CoUninitialize();
  // The shared client helpers report their failed checks the way tests do.
  if (!testing::UnitTest::GetInstance()->Passed()) status = 1;
  return status;
}

}  // namespace
}  // namespace zarnel::test

int main(int argc, char** argv) { return zarnel::test::Run(argc, argv); }
