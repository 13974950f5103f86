#include "RecordingClient.h"

#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {

void ConnectedControl::SetUp() {
  ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&container)), S_OK);
  ASSERT_EQ(container->FindConnectionPoint(DIID_IZarnelXEvents, &eventsPoint), S_OK);
  ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, &notifyPoint), S_OK);
}

void ConnectedControl::TearDown() {
  notifyPoint.Reset();
  eventsPoint.Reset();
  container.Reset();
  ClientControl::TearDown();
}

DWORD ConnectedControl::Connect(TRecordingSink* connecting) {
  DWORD cookie = 0;
  EXPECT_EQ(eventsPoint->Advise(static_cast<IDispatch*>(connecting), &cookie), S_OK);
  return cookie;
}

}  // namespace zarnel::test
