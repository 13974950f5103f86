#pragma once
// The fixture of the tests that connect recording sinks to an object: its connection point
// container and both of its points at hand, and a sink ready for the events point.
#include <ocidl.h>
#include <wrl/client.h>

#include "ClientObject.h"
#include "RecordingSink.h"

namespace zarnel::test {

class ConnectedControl : public ClientControl {
 protected:
  void SetUp() override;
  // Lets go of the test's references to the points first: the object must go with the last one.
  void TearDown() override;

  // Connects a sink to the events point, expecting success; its cookie.
  DWORD Connect(TRecordingSink* connecting);

  Microsoft::WRL::ComPtr<IConnectionPointContainer> container;
  Microsoft::WRL::ComPtr<IConnectionPoint> eventsPoint;
  Microsoft::WRL::ComPtr<IConnectionPoint> notifyPoint;
  Microsoft::WRL::ComPtr<TRecordingSink> sink = TRecordingSink::Create();
};

}  // namespace zarnel::test
