#pragma once
// The driver's command line, in libFuzzer's spelling: flags -name=value, then corpus directories
// (or single input files).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zarnel::fuzz {

struct TDriverOptions {
  int64_t Runs = -1;             // -runs=N: executions in all, the corpus's included; -1 for no limit
  int64_t MaxTotalTime = 0;      // -max_total_time=S: seconds; 0 for no limit
  uint64_t Seed = 0;             // -seed=K: the mutations' seed; 0 takes one from the clock
  size_t MaxLen = 4096;          // -max_len=N: the longest input a mutation makes
  int Timeout = 30;              // -timeout=S: an execution that takes longer is a hang
  std::string ArtifactPrefix;    // -artifact_prefix=P: a crashing input goes to P + "crash-<hash>"
  std::vector<std::string> Corpus;
};

// Exits with a usage message on a flag it does not know.
TDriverOptions ParseDriverOptions(int argc, char** argv);

}  // namespace zarnel::fuzz
