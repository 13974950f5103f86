// zarnel_formconv: converts a form between its text and its component stream.
//   zarnel_formconv txt2bin <in.txt> <out.bin>
//   zarnel_formconv bin2txt <in.bin> <out.txt>
// 8-bit strings are Windows-1252, whatever the machine. A failure prints "<in>:<line>: <message>"
// for text, "<in>: <message>" otherwise, exits with 1 and leaves the output as it was; the output
// is written under a temporary name and renamed, so it is never seen half written.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Cp1252CodePage.h"
#include "ObjectText.h"

namespace {

using namespace zarnel::stream;
namespace fs = std::filesystem;

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

class EFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TStringSink final : public IByteSink {
 public:
  void Write(std::span<const std::uint8_t> bytes) override { FBytes.append(bytes.begin(), bytes.end()); }
  const std::string& Bytes() const noexcept { return FBytes; }

 private:
  std::string FBytes;
};

class TStringSource final : public IByteSource {
 public:
  explicit TStringSource(std::string_view bytes) noexcept : FBytes(bytes) {}

  std::size_t Read(std::span<std::uint8_t> buffer) override {
    const std::size_t count = std::min(buffer.size(), FBytes.size() - FPosition);
    std::copy_n(FBytes.begin() + static_cast<std::ptrdiff_t>(FPosition), count, buffer.begin());
    FPosition += count;
    return count;
  }
  void GiveBack(std::size_t count) noexcept override { FPosition -= count; }
  bool AtEnd() const noexcept { return FPosition == FBytes.size(); }

 private:
  std::string_view FBytes;
  std::size_t FPosition = 0;
};

std::string ReadWhole(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EFileError("cannot open the file");
  std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad()) throw EFileError("cannot read the file");
  return bytes;
}

void WriteWhole(const fs::path& path, std::string_view bytes) {
  fs::path partial = path;
  partial += ".part";
  std::ofstream file(partial, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  std::error_code error;
  if (file) fs::rename(partial, path, error);
  if (!file || error) {
    fs::remove(partial, error);
    throw EFileError("cannot write " + path.string());
  }
}

std::string TextToBinary(std::string_view text) {
  TStringSink sink;
  ObjectTextToBinary(text, sink);
  return sink.Bytes();
}

std::string BinaryToText(std::string_view bytes) {
  TStringSource source(bytes);
  std::string text = ObjectBinaryToText(source, TCp1252CodePage{});
  if (!source.AtEnd()) throw EFileError("data after the end of the component stream");
  return text;
}

int Usage() {
  std::cerr << "usage: zarnel_formconv txt2bin <in.txt> <out.bin>\n"
               "       zarnel_formconv bin2txt <in.bin> <out.txt>\n"
               "Converts a form between its text and its component stream (8-bit strings in Windows-1252).\n";
  return ExitUsage;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) return Usage();
  const std::string_view mode = argv[1];
  const bool toBinary = mode == "txt2bin";
  if (!toBinary && mode != "bin2txt") return Usage();
  const fs::path input = argv[2];
  try {
    const std::string bytes = ReadWhole(input);
    WriteWhole(argv[3], toBinary ? TextToBinary(bytes) : BinaryToText(bytes));
    return 0;
  } catch (const ETextError& e) {
    std::cerr << input.string() << ':' << e.Line() << ": " << e.Message() << '\n';
  } catch (const std::exception& e) {
    std::cerr << input.string() << ": " << e.what() << '\n';
  }
  return ExitFailure;
}
