#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "ComponentReader.h"
#include "Cp1252CodePage.h"
#include "MemoryStreams.h"
#include "PropertyBinding.h"
#include "StreamBytes.h"
#include "StreamError.h"

namespace zarnel::stream::testing {
namespace {

// Classes a test form may hold, as a form's caller would register them.
using TTestRegistry = std::set<std::string, std::less<>>;

// A form or control of the About box kind: a caption, a position, a read-only version, children.
class TTestControl final : public TStreamComponent {
 public:
  TTestControl(std::string className, const TTestRegistry& registry, std::vector<std::string>& log)
      : FClassName(std::move(className)), FRegistry(registry), FLog(log) {}

  std::string_view ClassName() const override { return FClassName; }

  TPropertyTable PublishedProperties() override {
    return TPropertyTable({
        StringProperty("Caption", *this, &TTestControl::Caption, &TTestControl::SetCaption),
        IntegerProperty("Left", Int32Type, *this, &TTestControl::Left, &TTestControl::SetLeft),
        TPropertyInfo{"Version", TIntegerProperty{&Int32Type, [] { return 2; }, {}, {}}, {}},
    });
  }

  TStreamComponent* CreateChild(std::string_view className) override {
    if (!FRegistry.contains(className)) return nullptr;
    return children.emplace_back(std::make_unique<TTestControl>(std::string(className), FRegistry, FLog)).get();
  }

  void Loaded() override {
    TStreamComponent::Loaded();
    FLog.push_back("Loaded " + Name());
  }

  std::string Caption() const { return caption; }
  void SetCaption(const std::string& value) {
    caption = value;
    marksHeldWhileSet = IsLoading() && IsReading();
  }
  std::int32_t Left() const { return left; }
  void SetLeft(std::int32_t value) { left = value; }

  std::string caption;
  std::int32_t left = 0;
  bool marksHeldWhileSet = false;
  std::vector<std::unique_ptr<TTestControl>> children;

 private:
  std::string FClassName;
  const TTestRegistry& FRegistry;
  std::vector<std::string>& FLog;
};

struct TFormLoad {
  TTestRegistry registry{"TLabel", "TPanel"};
  std::vector<std::string> log;
  TTestControl form{"TTestForm", registry, log};
  std::string error;

  explicit TFormLoad(const TStreamBytes& bytes) {
    TMemorySource source(bytes.Bytes());
    try {
      ReadComponentStream(source, form, TCp1252CodePage{});
    } catch (const EStreamError& e) {
      error = e.what();
    }
  }
};

// A child's header and properties, up to the end of its properties.
TStreamBytes Child(std::string_view className, std::string_view name, std::string_view caption,
                   const TStreamBytes& moreProperties = {}) {
  return TStreamBytes()
      .Short(className)
      .Short(name)
      .Short("Caption")
      .Raw({0x06})
      .Short(caption)
      .Append(moreProperties)
      .Raw({0x00});
}

TEST(ChildComponents, AreCreatedThroughTheirParentAndReadWithTheirOwnTable) {
  const TFormLoad load(
      TStreamBytes()
          .Header("TTestForm", "AboutForm")
          .Short("Caption")
          .Raw({0x06})
          .Short("About")
          .Raw({0x00})
          .Append(Child("TLabel", "NameLbl", "ZarnelX 2 Pro"))
          .Raw({0x00})
          .Raw({0xF2, 0x02, 0x01})  // flag prefix with a child position
          .Append(Child("TPanel", "Panel", "Frame"))
          .Append(Child("TLabel", "DescLbl", "Progress bar control", TStreamBytes().Short("Left").Raw({0x02, 0x6E})))
          .Raw({0x00})    // DescLbl's children
          .Raw({0x00})    // Panel's children
          .Raw({0x00}));  // the form's children
  ASSERT_EQ(load.error, "");
  EXPECT_EQ(load.form.caption, "About");
  ASSERT_EQ(load.form.children.size(), 2u);
  EXPECT_EQ(load.form.children[0]->ClassName(), "TLabel");
  EXPECT_EQ(load.form.children[0]->Name(), "NameLbl");
  EXPECT_EQ(load.form.children[0]->caption, "ZarnelX 2 Pro");
  const TTestControl& panel = *load.form.children[1];
  EXPECT_EQ(panel.caption, "Frame");
  ASSERT_EQ(panel.children.size(), 1u);
  EXPECT_EQ(panel.children[0]->caption, "Progress bar control");
  EXPECT_EQ(panel.children[0]->left, 110);
  EXPECT_EQ(load.log,
            (std::vector<std::string>{"Loaded AboutForm", "Loaded NameLbl", "Loaded Panel", "Loaded DescLbl"}));
  EXPECT_TRUE(load.form.marksHeldWhileSet);
  EXPECT_TRUE(panel.children[0]->marksHeldWhileSet);
  EXPECT_FALSE(panel.children[0]->IsLoading() || panel.children[0]->IsReading());
}

TEST(ChildComponents, UnknownClassFailsAndEndsTheMarksWithoutLoaded) {
  const TFormLoad load(TStreamBytes()
                           .Header("TTestForm")
                           .Raw({0x00})
                           .Append(Child("TLabel", "A", "a"))
                           .Raw({0x00})
                           .Append(Child("TEdit", "B", "b"))
                           .Raw({0x00, 0x00}));
  EXPECT_EQ(load.error, "Class TEdit not found");
  ASSERT_EQ(load.form.children.size(), 1u);
  EXPECT_TRUE(load.log.empty());
  EXPECT_FALSE(load.form.IsLoading() || load.form.IsReading());
  EXPECT_FALSE(load.form.children[0]->IsLoading() || load.form.children[0]->IsReading());
}

TEST(ChildComponents, NestingIsCappedAt32Levels) {
  const auto nested = [](unsigned levels) {
    TStreamBytes bytes;
    bytes.Header("TTestForm").Raw({0x00});
    for (unsigned i = 0; i < levels; ++i) bytes.Short("TPanel").Short("").Raw({0x00});
    for (unsigned i = 0; i <= levels; ++i) bytes.Raw({0x00});
    return bytes;
  };
  EXPECT_EQ(TFormLoad(nested(32)).error, "");
  EXPECT_EQ(TFormLoad(nested(33)).error, "Invalid stream format");
}

TEST(ChildComponents, ReadOnlyPropertiesAndBadChildNamesFail) {
  EXPECT_EQ(TFormLoad(TStreamBytes().Header("TTestForm").Short("version").Raw({0x02, 0x03}).End()).error,
            "Property is read-only");
  EXPECT_EQ(
      TFormLoad(TStreamBytes().Header("TTestForm").Raw({0x00}).Short("TLabel").Short("9Lives").Raw({0x00, 0x00, 0x00}))
          .error,
      "''9Lives'' is not a valid component name");
}

}  // namespace
}  // namespace zarnel::stream::testing
