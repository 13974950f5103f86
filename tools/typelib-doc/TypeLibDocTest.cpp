// zarnel_typelib_doc run on the built .ocx: its Markdown names every member, event and enumeration
// value the type library has, with the library's own kinds, DISPIDs and types.
#include <windows.h>
// oleauto.h compiles only after windows.h.
#include <gtest/gtest.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <sstream>
#include <string>
#include <vector>

#include "ZarnelX2Pro_TLB.h"

namespace {

using Microsoft::WRL::ComPtr;

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The tool's standard output and exit code for FILE.
struct TRun {
  std::string Output;
  DWORD ExitCode = ~0u;
};

TRun RunTool(const std::wstring& file) {
  TRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  EXPECT_TRUE(::CreatePipe(&read, &write, &inherit, 0));
  ::SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  std::wstring commandLine = L"\"" + Wide(ZARNEL_TYPELIB_DOC_PATH) + L"\" \"" + file + L"\"";
  PROCESS_INFORMATION process{};
  const BOOL started =
      ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
  ::CloseHandle(write);
  EXPECT_TRUE(started) << "cannot start the tool, error " << ::GetLastError();
  char buffer[4096];
  DWORD count = 0;
  while (::ReadFile(read, buffer, sizeof(buffer), &count, nullptr) && count > 0) run.Output.append(buffer, count);
  ::CloseHandle(read);
  if (!started) return run;
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::GetExitCodeProcess(process.hProcess, &run.ExitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return run;
}

std::string Narrow(BSTR text) {
  std::string result;
  for (UINT i = 0; i < ::SysStringLen(text); ++i) result += static_cast<char>(text[i]);
  return result;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class TypeLibraryReference : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    Run = new TRun(RunTool(Wide(ZARNEL_OCX_PATH)));
    ASSERT_EQ(::LoadTypeLibEx(Wide(ZARNEL_OCX_PATH).c_str(), REGKIND_NONE, &Library), S_OK);
  }
  static void TearDownTestSuite() {
    delete Run;
    Library.Reset();
  }

  // The table rows of the section whose heading starts with "## " + heading.
  static std::vector<std::string> SectionRows(const std::string& heading) {
    std::vector<std::string> rows;
    bool inside = false;
    for (const std::string& line : Lines(Run->Output)) {
      if (line.rfind("## ", 0) == 0) inside = line.rfind("## " + heading, 0) == 0;
      else if (inside && line.rfind("| ", 0) == 0 && line.rfind("| Member |", 0) != 0 && line.rfind("| Event |", 0) != 0)
        rows.push_back(line);
    }
    return rows;
  }

  // The names of every function of a type, one per accessor, as the library lists them.
  static std::vector<std::string> FunctionNames(ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    EXPECT_EQ(info->GetTypeAttr(&attributes), S_OK);
    std::vector<std::string> names;
    for (UINT i = 0; attributes && i < attributes->cFuncs; ++i) {
      FUNCDESC* function = nullptr;
      EXPECT_EQ(info->GetFuncDesc(i, &function), S_OK);
      BSTR name = nullptr;
      EXPECT_EQ(info->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr), S_OK);
      names.push_back(Narrow(name));
      ::SysFreeString(name);
      info->ReleaseFuncDesc(function);
    }
    if (attributes) info->ReleaseTypeAttr(attributes);
    return names;
  }

  static ComPtr<ITypeInfo> TypeInfo(REFGUID guid) {
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(Library->GetTypeInfoOfGuid(guid, &info), S_OK);
    return info;
  }

  static TRun* Run;
  static ComPtr<ITypeLib> Library;
};

TRun* TypeLibraryReference::Run = nullptr;
ComPtr<ITypeLib> TypeLibraryReference::Library;

TEST_F(TypeLibraryReference, TheToolSucceeds) {
  EXPECT_EQ(Run->ExitCode, 0u);
  EXPECT_EQ(Run->Output.find('\r'), std::string::npos) << "the Markdown has carriage returns";
}

TEST_F(TypeLibraryReference, ListsEveryMemberOfTheControlInterfaceOnce) {
  // The interface half of the dual interface lists IZarnelX's own functions, one per accessor.
  ComPtr<ITypeInfo> dual = TypeInfo(IID_IZarnelX);
  HREFTYPE reference = 0;
  ComPtr<ITypeInfo> members;
  ASSERT_EQ(dual->GetRefTypeOfImplType(-1, &reference), S_OK);
  ASSERT_EQ(dual->GetRefTypeInfo(reference, &members), S_OK);
  const std::vector<std::string> names = FunctionNames(members.Get());
  const std::vector<std::string> rows = SectionRows("IZarnelX:");
  ASSERT_GT(names.size(), 50u);

  ASSERT_EQ(rows.size(), names.size());
  for (size_t i = 0; i < names.size(); ++i) EXPECT_EQ(rows[i].rfind("| " + names[i] + " |", 0), 0u) << rows[i];
}

TEST_F(TypeLibraryReference, ListsEveryEventAndEnumerationValue) {
  const std::vector<std::string> events = FunctionNames(TypeInfo(DIID_IZarnelXEvents).Get());
  const std::vector<std::string> rows = SectionRows("IZarnelXEvents:");
  ASSERT_EQ(rows.size(), events.size());
  for (size_t i = 0; i < events.size(); ++i) EXPECT_EQ(rows[i].rfind("| " + events[i] + " |", 0), 0u) << rows[i];

  unsigned enumValues = 0;
  for (UINT i = 0; i < Library->GetTypeInfoCount(); ++i) {
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(Library->GetTypeInfo(i, &info), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    if (attributes->typekind == TKIND_ENUM) enumValues += attributes->cVars;
    info->ReleaseTypeAttr(attributes);
  }
  const std::string counts = std::to_string(SectionRows("IZarnelX:").size()) + " members, " +
                             std::to_string(events.size()) + " events, " + std::to_string(enumValues) +
                             " enumeration values.";
  EXPECT_NE(Run->Output.find("\n" + counts + "\n"), std::string::npos) << "no line \"" << counts << "\"";
}

TEST_F(TypeLibraryReference, StatesKindsDispidsTypesAndFlags) {
  const std::string& out = Run->Output;
  for (const char* row : {"| Position | property get | 221 |  | long |  |", "| Position | property put | 221 | Value: long |  |",
                          "| Font | property get | -512 |  | IFontDisp* |", "| Font | property putref | -512 |",
                          "| TextW | property get | 201 |  | long | yes |",
                          "| LoadFromFile | method | 203 | FileName: BSTR | long |",
                          "| ColorLeft | property get | 211 |  | OLE_COLOR |",
                          "| BevelKind | property put | 213 | Value: TxBevelKind |",
                          "| AboutBox | method | -552 |  |  |",
                          "| OnMouseDown | 203 | Button: TxMouseButton, X: long, Y: long |"})
    EXPECT_NE(out.find(row), std::string::npos) << "no row starting " << row;
  for (const char* value : {"- `bkFlat = 3`", "- `bvRaised = 2`", "- `mbMiddle = 2`"})
    EXPECT_NE(out.find(value), std::string::npos) << "no " << value;
  EXPECT_NE(out.find("# ZarnelX2Pro\n\nZarnelX 2 PRO Library\n"), std::string::npos);
}

TEST_F(TypeLibraryReference, AFileWithoutATypeLibraryFails) {
  const TRun run = RunTool(L"C:\\windows\\win.ini");

  EXPECT_EQ(run.ExitCode, 1u);
  EXPECT_TRUE(run.Output.empty());
}

}  // namespace
