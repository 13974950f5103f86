// zarnel_typelib_doc FILE: prints the reference of the type library in FILE (a .tlb, or a module with
// the library as a resource) as UTF-8 Markdown. Exit codes: 0 done, 1 the library cannot be loaded or
// read, 2 wrong usage.
#include <windows.h>
// oleauto.h compiles only after windows.h.
#include <oleauto.h>
#include <wrl/client.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <exception>
#include <string>

#include "TypeLibMarkdown.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: zarnel_typelib_doc FILE\n", stderr);
    return 2;
  }
  Microsoft::WRL::ComPtr<ITypeLib> library;
  // Read only: nothing is registered.
  if (FAILED(::LoadTypeLibEx(argv[1], REGKIND_NONE, &library))) {
    std::fprintf(stderr, "cannot load a type library from %ls\n", argv[1]);
    return 1;
  }
  std::wstring markdown;
  try {
    markdown = zarnel::typelibdoc::TypeLibMarkdown(library.Get());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cannot read the type library: %s failed\n", e.what());
    return 1;
  }
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, markdown.data(), static_cast<int>(markdown.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, markdown.data(), static_cast<int>(markdown.size()), text.data(), size, nullptr,
                        nullptr);
  // Markdown with plain line feeds, whatever the platform's text mode would make of them.
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
