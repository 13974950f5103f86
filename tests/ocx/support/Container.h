#pragma once
// A container of the test's own: a visible top-level window painted in one background colour, its
// frame and document window objects and the site it gives the object it embeds. It checks, when it
// goes, that nothing still holds a reference to any of its objects.
#include <windows.h>
#include <oleidl.h>

#include "ContainerCalls.h"
#include "ContainerFrame.h"
#include "ContainerSite.h"
#include "Handles.h"
#include "Screen.h"

namespace zarnel::test {

// The container window's background, a colour the control never paints by default.
constexpr TColor ContainerBackground = 0x00609030;

class TContainer {
 public:
  explicit TContainer(TSiteFeatures features = {});
  ~TContainer();
  TContainer(const TContainer&) = delete;
  TContainer& operator=(const TContainer&) = delete;

  HWND Window() const { return FWindow.get(); }
  TContainerSite& Site() { return FSite; }
  TContainerFrame& Frame() { return FFrame; }
  TContainerFrame& Document() { return FDocument; }
  TContainerCalls& Calls() { return FCalls; }

  // Gives object the site and activates it in place, as a form does when it loads.
  void Embed(IOleObject& object);
  // Destroys the container window now, whatever it holds.
  void DestroyWindow() { FWindow.reset(); }
  // Lets every pending paint happen, so the screen shows the settled state.
  void Settle() const;
  // The container window's client area as it is on the screen, after settling.
  TPixels Capture() const;

 private:
  TUniqueWindow FWindow;
  TContainerCalls FCalls;
  TContainerFrame FFrame;
  TContainerFrame FDocument;
  TContainerSite FSite;
};

}  // namespace zarnel::test
