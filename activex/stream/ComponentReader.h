#pragma once

#include <functional>
#include <string_view>

#include "ByteIO.h"
#include "CodePage.h"
#include "StreamComponent.h"

namespace zarnel::stream {

// Answers whether a component known process-wide already holds the name.
using TGlobalNameInUse = std::function<bool(std::string_view name)>;

// Child components nest at most this deep below the component a stream is read into.
inline constexpr unsigned MaxChildNesting = 32;

// Reads a component stream into `root`, whatever class the stream names, applying each value
// through its property's setter as it is read; child components are created through
// CreateChild of their parent. When the name read is in use globally, "name_1", "name_2", ... is
// taken instead (the answers must turn false eventually). Every component read is marked loading
// and reading meanwhile; only when the whole stream was read are the marks ended by Loaded().
// A failure leaves the values applied before it, ends the marks and delivers no Loaded().
void ReadComponentStream(IByteSource& source, TStreamComponent& root, const ICodePage& codePage,
                         const TGlobalNameInUse& isGlobalNameInUse = {});

}  // namespace zarnel::stream
