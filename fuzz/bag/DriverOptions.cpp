#include "DriverOptions.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace zarnel::fuzz {
namespace {

[[noreturn]] void Usage(const char* program, std::string_view bad) {
  std::fprintf(stderr,
               "unknown argument %.*s\nusage: %s [-runs=N] [-max_total_time=S] [-seed=K] [-max_len=N] [-timeout=S] "
               "[-artifact_prefix=P] CORPUS...\n",
               static_cast<int>(bad.size()), bad.data(), program);
  std::exit(2);
}

}  // namespace

TDriverOptions ParseDriverOptions(int argc, char** argv) {
  TDriverOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.empty() || argument[0] != '-') {
      options.Corpus.emplace_back(argument);
      continue;
    }
    const size_t equals = argument.find('=');
    if (equals == std::string_view::npos) Usage(argv[0], argument);
    const std::string_view name = argument.substr(1, equals - 1);
    const std::string value(argument.substr(equals + 1));
    if (name == "runs") options.Runs = std::strtoll(value.c_str(), nullptr, 10);
    else if (name == "max_total_time") options.MaxTotalTime = std::strtoll(value.c_str(), nullptr, 10);
    else if (name == "seed") options.Seed = std::strtoull(value.c_str(), nullptr, 10);
    else if (name == "max_len") options.MaxLen = std::strtoull(value.c_str(), nullptr, 10);
    else if (name == "timeout") options.Timeout = std::atoi(value.c_str());
    else if (name == "artifact_prefix") options.ArtifactPrefix = value;
    else Usage(argv[0], argument);
  }
  return options;
}

}  // namespace zarnel::fuzz
