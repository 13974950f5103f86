#include "CrashReport.h"

#include <windows.h>

#include <csignal>
#include <cstdio>
#include <utility>
#include <vector>

namespace zarnel::fuzz {
namespace {

constexpr UINT TimeoutExitCode = 70;

struct TCrashState {
  CRITICAL_SECTION Lock;
  std::vector<uint8_t> Input;
  ULONGLONG Started = 0;  // 0 between executions
  std::string Prefix;
  ULONGLONG TimeoutMs = 0;
  std::function<void()> LastWords;
};

TCrashState& State() {
  static TCrashState* state = [] {
    auto* s = new TCrashState;  // lives to the process's end, for the handlers
    ::InitializeCriticalSection(&s->Lock);
    return s;
  }();
  return *state;
}

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (const uint8_t b : bytes) hash = (hash ^ b) * 0x100000001B3ull;
  return hash;
}

// Writes the input, then lets the driver have its last words.
void WriteArtifact(const char* kind) {
  TCrashState& state = State();
  ::EnterCriticalSection(&state.Lock);
  char name[64];
  std::snprintf(name, sizeof name, "%s-%016llx", kind, static_cast<unsigned long long>(Fnv1a(state.Input)));
  const std::string path = state.Prefix + name;
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(state.Input.data(), 1, state.Input.size(), file);
    std::fclose(file);
    std::fprintf(stderr, "==driver: %s; the input (%u bytes) is in %s\n", kind,
                 static_cast<unsigned>(state.Input.size()), path.c_str());
  } else {
    std::fprintf(stderr, "==driver: %s; cannot write the input to %s\n", kind, path.c_str());
  }
  std::fflush(stderr);
  ::LeaveCriticalSection(&state.Lock);
  state.LastWords();
}

void OnAbort(int) { WriteArtifact("crash"); }

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* exception) {
  std::fprintf(stderr, "==driver: unhandled exception 0x%08lx at %p\n", exception->ExceptionRecord->ExceptionCode,
               exception->ExceptionRecord->ExceptionAddress);
  WriteArtifact("crash");
  return EXCEPTION_EXECUTE_HANDLER;
}

DWORD WINAPI Watchdog(void*) {
  TCrashState& state = State();
  for (;;) {
    ::Sleep(1000);
    ::EnterCriticalSection(&state.Lock);
    const ULONGLONG started = state.Started;
    ::LeaveCriticalSection(&state.Lock);
    if (started && ::GetTickCount64() - started > state.TimeoutMs) {
      std::fprintf(stderr, "==driver: one execution has run for more than %llu s\n", state.TimeoutMs / 1000);
      WriteArtifact("timeout");
      ::TerminateProcess(::GetCurrentProcess(), TimeoutExitCode);
    }
  }
}

}  // namespace

void InstallCrashReport(const std::string& artifactPrefix, int timeoutSeconds, std::function<void()> lastWords) {
  TCrashState& state = State();
  state.Prefix = artifactPrefix;
  state.LastWords = std::move(lastWords);
  state.TimeoutMs = static_cast<ULONGLONG>(timeoutSeconds) * 1000;
  std::signal(SIGABRT, &OnAbort);
  ::SetUnhandledExceptionFilter(&OnUnhandledException);
  if (timeoutSeconds > 0) ::CloseHandle(::CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr));
}

void BeginExecution(std::span<const uint8_t> input) {
  TCrashState& state = State();
  ::EnterCriticalSection(&state.Lock);
  state.Input.assign(input.begin(), input.end());
  state.Started = ::GetTickCount64();
  ::LeaveCriticalSection(&state.Lock);
}

void EndExecution() {
  TCrashState& state = State();
  ::EnterCriticalSection(&state.Lock);
  state.Started = 0;
  ::LeaveCriticalSection(&state.Lock);
}

}  // namespace zarnel::fuzz
