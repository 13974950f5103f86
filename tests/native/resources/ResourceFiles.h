#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zarnel::test {

inline std::vector<std::uint8_t> ReadResourceFile(const std::string& name) {
  std::ifstream file(std::string(ZARNEL_RESOURCES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace zarnel::test
