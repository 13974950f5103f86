#include "ComponentReader.h"

#include <cstdint>
#include <string>
#include <vector>

#include "PropertyValueReader.h"
#include "StreamError.h"
#include "StreamReader.h"

namespace zarnel::stream {

namespace {

std::string FreeGlobalName(const std::string& name, const TGlobalNameInUse& isGlobalNameInUse) {
  if (!isGlobalNameInUse || !isGlobalNameInUse(name)) return name;
  for (std::uint64_t counter = 1;; ++counter) {
    std::string candidate = name + "_" + std::to_string(counter);
    if (!isGlobalNameInUse(candidate)) return candidate;
  }
}

// The components whose reading has begun, so that their marks end however the load ends.
class TLoadSession {
 public:
  TLoadSession() = default;
  TLoadSession(const TLoadSession&) = delete;
  TLoadSession& operator=(const TLoadSession&) = delete;

  ~TLoadSession() {
    for (TStreamComponent* component : FComponents) {
      component->SetReading(false);
      component->SetLoading(false);
    }
  }

  void Begin(TStreamComponent& component) {
    FComponents.push_back(&component);
    component.SetLoading(true);
    component.SetReading(true);
  }

  // Should a Loaded() throw, the destructor still ends the marks of all of them.
  void Complete() {
    for (TStreamComponent* component : FComponents) component->SetReading(false);
    for (TStreamComponent* component : FComponents) component->Loaded();
    FComponents.clear();
  }

 private:
  std::vector<TStreamComponent*> FComponents;
};

class TComponentLoader {
 public:
  TComponentLoader(TStreamReader& reader, const ICodePage& codePage) noexcept : FReader(reader), FCodePage(codePage) {}

  void ReadRoot(TStreamComponent& root, const TGlobalNameInUse& isGlobalNameInUse) {
    FReader.ReadSignature();
    FReader.SkipFlagPrefix();
    FReader.ReadShortString();  // the class name: the values go to `root` whatever class wrote them
    FSession.Begin(root);
    root.SetName(FreeGlobalName(FReader.ReadShortString(), isGlobalNameInUse));
    ReadContent(root, 0);
    FSession.Complete();
  }

 private:
  void ReadChild(TStreamComponent& parent, unsigned nesting) {
    if (nesting > MaxChildNesting) throw EStreamError::InvalidStreamFormat();
    FReader.SkipFlagPrefix();
    const std::string className = FReader.ReadShortString();
    TStreamComponent* child = parent.CreateChild(className);
    if (!child) throw EStreamError::ClassNotFound(className);
    FSession.Begin(*child);
    child->SetName(FReader.ReadShortString());
    ReadContent(*child, nesting);
  }

  void ReadContent(TStreamComponent& component, unsigned nesting) {
    const TPropertyTable properties = component.PublishedProperties();
    while (!FReader.EndOfList()) {
      const std::string path = FReader.ReadShortString();
      ReadPropertyAt(properties, path, path);
    }
    while (!FReader.EndOfList()) ReadChild(component, nesting + 1);
  }

  // Walks the dotted path through nested objects; `rest` is what is left of `path`.
  void ReadPropertyAt(const TPropertyTable& properties, std::string_view rest, std::string_view path) {
    const std::size_t dot = rest.find('.');
    const TPropertyInfo* property = properties.Find(rest.substr(0, dot));
    if (!property) throw EStreamError::PropertyDoesNotExist(path);
    if (dot == std::string_view::npos) {
      if (!property->CanWrite()) throw EStreamError::PropertyIsReadOnly();
      ReadPropertyValue(FReader, *property, FCodePage);
      return;
    }
    const auto* object = std::get_if<TObjectProperty>(&property->access);
    if (!object || !object->get) throw EStreamError::PropertyDoesNotExist(path);
    ReadPropertyAt(object->get(), rest.substr(dot + 1), path);
  }

  TStreamReader& FReader;
  const ICodePage& FCodePage;
  TLoadSession FSession;
};

}  // namespace

void ReadComponentStream(IByteSource& source, TStreamComponent& root, const ICodePage& codePage,
                         const TGlobalNameInUse& isGlobalNameInUse) {
  TStreamReader reader(source);
  TComponentLoader(reader, codePage).ReadRoot(root, isGlobalNameInUse);
}

}  // namespace zarnel::stream
