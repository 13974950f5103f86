#pragma once
// The single-threaded COM apartment a test process's main thread lives in, as a container's UI
// thread does: entered before the first test, left after the last. Each test file registers it with
// `testing::AddGlobalTestEnvironment(new TClientApartment)`.
#include <gtest/gtest.h>

namespace zarnel::test {

class TClientApartment : public testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

}  // namespace zarnel::test
