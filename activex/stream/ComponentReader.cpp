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
    for (TStreamComponent* component : components_) {
      component->SetReading(false);
      component->SetLoading(false);
    }
  }

  void Begin(TStreamComponent& component) {
    components_.push_back(&component);
    component.SetLoading(true);
    component.SetReading(true);
  }

  // Should a Loaded() throw, the destructor still ends the marks of all of them.
  void Complete() {
    for (TStreamComponent* component : components_) component->SetReading(false);
    for (TStreamComponent* component : components_) component->Loaded();
    components_.clear();
  }

 private:
  std::vector<TStreamComponent*> components_;
};

class TComponentLoader {
 public:
  TComponentLoader(TStreamReader& reader, const ICodePage& codePage) noexcept : reader_(reader), codePage_(codePage) {}

  void ReadRoot(TStreamComponent& root, const TGlobalNameInUse& isGlobalNameInUse) {
    reader_.ReadSignature();
    reader_.SkipFlagPrefix();
    reader_.ReadShortString();  // the class name: the values go to `root` whatever class wrote them
    session_.Begin(root);
    root.SetName(FreeGlobalName(reader_.ReadShortString(), isGlobalNameInUse));
    ReadContent(root, 0);
    session_.Complete();
  }

 private:
  void ReadChild(TStreamComponent& parent, unsigned nesting) {
    if (nesting > MaxChildNesting) throw EStreamError::InvalidStreamFormat();
    reader_.SkipFlagPrefix();
    const std::string className = reader_.ReadShortString();
    TStreamComponent* child = parent.CreateChild(className);
    if (!child) throw EStreamError::ClassNotFound(className);
    session_.Begin(*child);
    child->SetName(reader_.ReadShortString());
    ReadContent(*child, nesting);
  }

  void ReadContent(TStreamComponent& component, unsigned nesting) {
    const TPropertyTable properties = component.PublishedProperties();
    while (!reader_.EndOfList()) {
      const std::string path = reader_.ReadShortString();
      ReadPropertyAt(properties, path, path);
    }
    while (!reader_.EndOfList()) ReadChild(component, nesting + 1);
  }

  // Walks the dotted path through nested objects; `rest` is what is left of `path`.
  void ReadPropertyAt(const TPropertyTable& properties, std::string_view rest, std::string_view path) {
    const std::size_t dot = rest.find('.');
    const TPropertyInfo* property = properties.Find(rest.substr(0, dot));
    if (!property) throw EStreamError::PropertyDoesNotExist(path);
    if (dot == std::string_view::npos) {
      if (!property->CanWrite()) throw EStreamError::PropertyIsReadOnly();
      ReadPropertyValue(reader_, *property, codePage_);
      return;
    }
    const auto* object = std::get_if<TObjectProperty>(&property->access);
    if (!object || !object->get) throw EStreamError::PropertyDoesNotExist(path);
    ReadPropertyAt(object->get(), rest.substr(dot + 1), path);
  }

  TStreamReader& reader_;
  const ICodePage& codePage_;
  TLoadSession session_;
};

}  // namespace

void ReadComponentStream(IByteSource& source, TStreamComponent& root, const ICodePage& codePage,
                         const TGlobalNameInUse& isGlobalNameInUse) {
  TStreamReader reader(source);
  TComponentLoader(reader, codePage).ReadRoot(root, isGlobalNameInUse);
}

}  // namespace zarnel::stream
