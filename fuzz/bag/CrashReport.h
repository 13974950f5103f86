#pragma once
// What the driver leaves when an execution ends the process: the input written to
// <prefix>crash-<hash> on an abort or an unhandled exception, or <prefix>timeout-<hash> when one
// execution runs longer than the time allowed (a watchdog thread ends the process then, exit 70),
// and then the driver's last words (its counts, so that a run that ends this way still reports).
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace zarnel::fuzz {

void InstallCrashReport(const std::string& artifactPrefix, int timeoutSeconds, std::function<void()> lastWords);
// The input about to run; the time allowed starts now.
void BeginExecution(std::span<const uint8_t> input);
void EndExecution();

}  // namespace zarnel::fuzz
