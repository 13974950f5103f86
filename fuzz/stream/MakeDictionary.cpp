// Writes the libFuzzer dictionary of the component stream to standard output, from the control's own
// published property list (bound to the control model) and the type tables it names: the signature,
// the value tags, each property path as the stream spells it (a length byte, then "Font.Height"),
// and each identifier the types know, as an identifier value (tag 7, length, name) and as a set
// member (length, name). Nothing here is a second list of names.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "Overloaded.h"
#include "ValueTag.h"
#include "Zarnel2ProModel.h"
#include "Zarnel2ProProperties.h"

using namespace zarnel::stream;

namespace {

std::string ShortString(std::string_view text) { return static_cast<char>(text.size()) + std::string(text); }

std::string IdentValue(std::string_view name) { return static_cast<char>(TValueTag::Ident) + ShortString(name); }

class TDictionary {
 public:
  void Add(const std::string& entry) { FEntries.insert(entry); }

  void AddNames(std::string_view name) {
    Add(IdentValue(name));
    Add(ShortString(name));
  }

  void AddTable(const TPropertyTable& table, const std::string& prefix) {
    for (const TPropertyInfo& property : table) {
      const std::string path = prefix + std::string(property.name);
      Add(ShortString(path));
      std::visit(TOverloaded{
                     [&](const TIntegerProperty& p) {
                       if (!p.type->idents) return;
                       for (const TIdentEntry& entry : p.type->idents->Entries()) AddNames(entry.name);
                     },
                     [&](const TEnumProperty& p) {
                       for (const std::string_view member : p.type->members) AddNames(member);
                     },
                     [&](const TSetProperty& p) {
                       for (const std::string_view member : p.type->members) AddNames(member);
                     },
                     [&](const TObjectProperty& p) { AddTable(p.get(), path + "."); },
                     [](const auto&) {},
                 },
                 property.access);
    }
  }

  // One line per entry, every byte outside printable ASCII (and the quote and backslash) as \xNN.
  void Print() const {
    for (const std::string& entry : FEntries) {
      std::string line = "\"";
      for (const char c : entry) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x20 || byte > 0x7E || c == '"' || c == '\\') {
          char escaped[5];
          std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
          line += escaped;
        } else {
          line += c;
        }
      }
      std::printf("%s\"\n", line.c_str());
    }
  }

 private:
  std::set<std::string> FEntries;
};

}  // namespace

int main() {
  TDictionary dictionary;
  dictionary.Add("TPF0");
  for (unsigned tag = 0; tag <= static_cast<unsigned>(TValueTag::Utf8String); ++tag) {
    dictionary.Add(std::string(1, static_cast<char>(tag)));
  }
  for (const TSpecialIdent& special : SpecialIdents) dictionary.AddNames(special.name);
  zarnel::stream::testing::TZarnel2ProModel model;
  dictionary.Add(ShortString(model.ClassName()));
  dictionary.AddTable(zarnel::Zarnel2ProProperties(model), {});
  dictionary.Print();
  return 0;
}
