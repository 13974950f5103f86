// Runs the property-bag fuzz target without libFuzzer (there is no libFuzzer runtime for the
// Windows target): every input of the corpus once, then mutants of them (see Mutator.h) until
// -runs or -max_total_time is reached. It prints "#<execs> execs, <execs/s> exec/s" every few
// seconds and at the end, then how many bags offered each property a value and how many loads
// changed it.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "BagSession.h"
#include "CrashReport.h"
#include "DriverOptions.h"
#include "Fail.h"
#include "Mutator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace zarnel::fuzz {
namespace {

using TClock = std::chrono::steady_clock;
constexpr auto StatusInterval = std::chrono::seconds(5);

TBytes ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The corpus's inputs, each directory's files in name order; an empty input when there are none.
std::vector<TBytes> LoadCorpus(const std::vector<std::string>& places) {
  std::vector<TBytes> corpus;
  for (const std::string& place : places) {
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(place)) {
      for (const auto& entry : std::filesystem::directory_iterator(place))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::ranges::sort(files);
    } else if (std::filesystem::is_regular_file(place)) {
      files.emplace_back(place);
    } else {
      std::fprintf(stderr, "no corpus directory or input file %s\n", place.c_str());
      std::exit(2);
    }
    for (const auto& file : files) corpus.push_back(ReadFile(file));
  }
  if (corpus.empty()) corpus.emplace_back();
  return corpus;
}

class TRun {
 public:
  explicit TRun(const TDriverOptions& options) : FOptions(options), FStart(TClock::now()), FLastStatus(FStart) {}

  bool Done() const {
    if (FOptions.Runs >= 0 && FExecutions >= static_cast<uint64_t>(FOptions.Runs)) return true;
    return FOptions.MaxTotalTime > 0 && TClock::now() - FStart >= std::chrono::seconds(FOptions.MaxTotalTime);
  }

  // An execution counts from its start, so that one that ends the process is counted too.
  void Execute(const TBytes& input) {
    ++FExecutions;
    BeginExecution(input);
    LLVMFuzzerTestOneInput(input.data(), input.size());
    EndExecution();
    if (TClock::now() - FLastStatus >= StatusInterval) {
      FLastStatus = TClock::now();
      PrintStatus("");
    }
  }

  void PrintStatus(const char* label) const {
    const double seconds = std::chrono::duration<double>(TClock::now() - FStart).count();
    std::printf("#%llu execs, %.0f exec/s%s\n", static_cast<unsigned long long>(FExecutions),
                seconds > 0 ? FExecutions / seconds : 0.0, label);
    std::fflush(stdout);
  }

 private:
  const TDriverOptions& FOptions;
  const TClock::time_point FStart;
  TClock::time_point FLastStatus;
  uint64_t FExecutions = 0;
};

void PrintTallies(const std::vector<TPropertyTally>& tallies) {
  std::printf("%-24s %12s %12s\n", "property", "offered", "changed");
  for (const TPropertyTally& tally : tallies)
    std::printf("%-24s %12llu %12llu\n", Narrow(tally.Name).c_str(), static_cast<unsigned long long>(tally.Offered),
                static_cast<unsigned long long>(tally.Changed));
  std::fflush(stdout);
}

}  // namespace
}  // namespace zarnel::fuzz

int main(int argc, char** argv) {
  using namespace zarnel::fuzz;
  const TDriverOptions options = ParseDriverOptions(argc, argv);
  const uint64_t seed = options.Seed ? options.Seed : ::GetTickCount64() ^ ::GetCurrentProcessId();
  const std::vector<TBytes> corpus = LoadCorpus(options.Corpus);
  std::printf("Seed: %llu\nCorpus: %u inputs\n", static_cast<unsigned long long>(seed),
              static_cast<unsigned>(corpus.size()));
  std::vector<std::wstring> names;
  for (const TPersistedProperty& property : TBagSession::Instance().Properties()) names.push_back(property.Name);
  TMutator mutator(seed, BuildDictionary(names), options.MaxLen);

  TRun run(options);
  InstallCrashReport(options.ArtifactPrefix, options.Timeout, [&run] {
    run.PrintStatus(" (ended by the last input)");
    PrintTallies(TBagSession::Instance().Tallies());
  });
  for (const TBytes& input : corpus) {
    if (run.Done()) break;
    run.Execute(input);
  }
  while (!run.Done()) run.Execute(mutator.Mutate(corpus[mutator.Below(corpus.size())], corpus));
  run.PrintStatus(" (done)");
  PrintTallies(TBagSession::Instance().Tallies());
  TBagSession::Finish();
  return 0;
}
