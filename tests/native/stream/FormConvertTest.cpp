// Runs the real zarnel_formconv, whose path the build passes in ZARNEL_FORMCONV.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string Form =
    "object ZarnelXAbout: TZarnelXAbout\n"
    "  Caption = 'About'\n"
    "  Font.Style = [fsBold]\n"
    "  Glyph.Data = {\n"
    "    424D}\n"
    "  object OkBtn: TButton\n"
    "    Caption = 'It''s OK'#233\n"
    "  end\n"
    "end\n";

struct TRun {
  int exitCode;
  std::string errors;
};

class FormConvert : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    FFolder = fs::temp_directory_path() / ("zarnel_formconv_" + std::string(test->name()));
    fs::remove_all(FFolder);
    fs::create_directories(FFolder);
  }
  void TearDown() override { fs::remove_all(FFolder); }

  fs::path PathOf(const std::string& name) const { return FFolder / name; }

  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  TRun Run(const std::string& arguments) const {
    const fs::path errors = PathOf("stderr");
    const std::string command = "'" ZARNEL_FORMCONV "' " + arguments + " 2>'" + errors.string() + "'";
    const int status = std::system(command.c_str());
    TRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile("stderr")};
    fs::remove(errors);
    return run;
  }

  std::string Convert(const std::string& mode, const std::string& input, const std::string& output) const {
    return mode + " '" + PathOf(input).string() + "' '" + PathOf(output).string() + "'";
  }

  // Nothing but the input files and what the test expects is left in the folder.
  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(FFolder), fs::directory_iterator()));
  }

 private:
  fs::path FFolder;
};

TEST_F(FormConvert, TextToBinaryAndBackGivesTheTextAgain) {
  WriteFile("form.txt", Form);
  ASSERT_EQ(Run(Convert("txt2bin", "form.txt", "form.bin")).exitCode, 0);
  EXPECT_TRUE(ReadFile("form.bin").starts_with(std::string("TPF0\x0DTZarnelXAbout")));
  ASSERT_EQ(Run(Convert("bin2txt", "form.bin", "again.txt")).exitCode, 0);
  EXPECT_EQ(ReadFile("again.txt"), Form);
  EXPECT_EQ(FileCount(), 3u);
}

TEST_F(FormConvert, MalformedTextFailsWithItsLineAndWritesNothing) {
  WriteFile("form.txt", "object F: TF\n  Left = 1\n  Top\n  Caption = 'x'\nend\n");
  const TRun run = Run(Convert("txt2bin", "form.txt", "form.bin"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.errors, PathOf("form.txt").string() + ":4: expected '=' after property name, found 'Caption'\n");
  EXPECT_FALSE(fs::exists(PathOf("form.bin")));
  EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FormConvert, MalformedStreamFailsWithTheStreamErrorAndLeavesTheOutputAsItWas) {
  WriteFile("cut.bin", std::string("TPF0\x02TF", 7));
  WriteFile("out.txt", "earlier");
  const TRun cut = Run(Convert("bin2txt", "cut.bin", "out.txt"));
  EXPECT_EQ(cut.exitCode, 1);
  EXPECT_EQ(cut.errors, PathOf("cut.bin").string() + ": Stream read error\n");
  EXPECT_EQ(ReadFile("out.txt"), "earlier");

  WriteFile("trailing.bin", std::string("TPF0\x02TF\x00\x00\x00!", 11));
  const TRun trailing = Run(Convert("bin2txt", "trailing.bin", "out.txt"));
  EXPECT_EQ(trailing.exitCode, 1);
  EXPECT_EQ(trailing.errors, PathOf("trailing.bin").string() + ": data after the end of the component stream\n");
  EXPECT_EQ(FileCount(), 3u);
}

TEST_F(FormConvert, MissingInputFailsAndBadUsageShowsTheUsage) {
  const TRun missing = Run(Convert("txt2bin", "none.txt", "out.bin"));
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.errors, PathOf("none.txt").string() + ": cannot open the file\n");

  for (const std::string& arguments : {std::string(), Convert("text2bin", "a", "b"), std::string("txt2bin a")}) {
    SCOPED_TRACE(arguments);
    const TRun usage = Run(arguments);
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.errors.starts_with("usage: zarnel_formconv txt2bin <in.txt> <out.bin>\n")) << usage.errors;
  }
  EXPECT_EQ(FileCount(), 0u);
}

}  // namespace
