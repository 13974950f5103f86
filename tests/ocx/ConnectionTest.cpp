// The object's connection points as a container uses them: finding and enumerating the points,
// connecting and disconnecting sinks with their cookies, enumerating connections, and the
// references the points, their enumerators and the object hold.
#include <gtest/gtest.h>
#include <windows.h>
#include <olectl.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "ClientApartment.h"
#include "RecordingClient.h"
#include "ZarnelX2Pro_TLB.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

// An address no call may leave in an out parameter it clears.
template <typename T>
T* Garbage() {
  return reinterpret_cast<T*>(static_cast<uintptr_t>(0xBAADF00D));
}

ComPtr<IUnknown> Identity(IUnknown* object) {
  ComPtr<IUnknown> identity;
  EXPECT_EQ(object->QueryInterface(IID_PPV_ARGS(&identity)), S_OK);
  return identity;
}

IID InterfaceOf(IConnectionPoint* point) {
  IID iid = GUID_NULL;
  EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
  return iid;
}

// The (cookie, sink identity) pairs an enumerator delivers one at a time to its end.
std::vector<std::pair<DWORD, IUnknown*>> Drain(IEnumConnections* connections) {
  std::vector<std::pair<DWORD, IUnknown*>> found;
  CONNECTDATA data{};
  while (connections->Next(1, &data, nullptr) == S_OK) {
    found.emplace_back(data.dwCookie, Identity(data.pUnk).Get());
    data.pUnk->Release();
  }
  return found;
}

class Connections : public ConnectedControl {};

TEST_F(Connections, ContainerFindsItsTwoPointsAndNothingElse) {
  EXPECT_EQ(InterfaceOf(eventsPoint.Get()), DIID_IZarnelXEvents);
  EXPECT_EQ(InterfaceOf(notifyPoint.Get()), IID_IPropertyNotifySink);
  for (IConnectionPoint* point : {eventsPoint.Get(), notifyPoint.Get()}) {
    ComPtr<IConnectionPointContainer> owner;
    ASSERT_EQ(point->GetConnectionPointContainer(&owner), S_OK);
    EXPECT_EQ(Identity(owner.Get()).Get(), Identity(object.Get()).Get());
    EXPECT_EQ(Identity(point).Get(), point) << "a point answers IUnknown with itself";
  }
  ComPtr<IConnectionPoint> again;
  ASSERT_EQ(container->FindConnectionPoint(DIID_IZarnelXEvents, &again), S_OK);
  EXPECT_EQ(again.Get(), eventsPoint.Get());

  for (const IID* unknown : {&IID_IDispatch, &IID_IZarnelX, &IID_IUnknown, &GUID_NULL}) {
    IConnectionPoint* none = Garbage<IConnectionPoint>();
    EXPECT_EQ(container->FindConnectionPoint(*unknown, &none), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(none, nullptr);
  }
}

TEST_F(Connections, PointEnumeratorWalksBothPointsInOrder) {
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);

  IConnectionPoint* found[3] = {};
  ULONG fetched = 99;
  ASSERT_EQ(points->Next(3, found, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(found[0], eventsPoint.Get());
  EXPECT_EQ(found[1], notifyPoint.Get());
  found[0]->Release();
  found[1]->Release();
  EXPECT_EQ(points->Next(1, found, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);
  EXPECT_EQ(points->Next(2, found, nullptr), E_POINTER) << "a null count is only allowed for one element";

  ASSERT_EQ(points->Reset(), S_OK);
  ComPtr<IConnectionPoint> first;
  ASSERT_EQ(points->Next(1, &first, nullptr), S_OK);
  EXPECT_EQ(InterfaceOf(first.Get()), DIID_IZarnelXEvents);

  ComPtr<IEnumConnectionPoints> clone;
  ASSERT_EQ(points->Clone(&clone), S_OK);
  ComPtr<IConnectionPoint> second;
  ASSERT_EQ(clone->Next(1, &second, nullptr), S_OK) << "a clone starts where its original stands";
  EXPECT_EQ(InterfaceOf(second.Get()), IID_IPropertyNotifySink);
  EXPECT_EQ(clone->Skip(1), S_FALSE);

  ASSERT_EQ(points->Skip(1), S_OK);
  EXPECT_EQ(points->Skip(1), S_FALSE);
  ASSERT_EQ(points->Reset(), S_OK);
  EXPECT_EQ(points->Skip(3), S_FALSE);
  ASSERT_EQ(points->Reset(), S_OK);
  ASSERT_EQ(points->Skip(1), S_OK);
  second.Reset();
  ASSERT_EQ(points->Next(1, &second, &fetched), S_OK);
  EXPECT_EQ(fetched, 1u);
  EXPECT_EQ(second.Get(), notifyPoint.Get());
}

TEST_F(Connections, EventsPointTakesOneSinkAtATime) {
  const auto other = TRecordingSink::Create();
  EXPECT_EQ(Connect(sink.Get()), 1u);

  DWORD cookie = 77;
  EXPECT_EQ(eventsPoint->Advise(static_cast<IDispatch*>(other.Get()), &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(other->References(), 1u) << "a refused sink is not kept";
  EXPECT_EQ(object->put_Position(40), S_OK);
  EXPECT_EQ(sink->Log(), (std::vector<std::string>{"206 I2:40"})) << "the first sink stays connected";
  EXPECT_TRUE(other->Events().empty());

  EXPECT_EQ(eventsPoint->Unadvise(0), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(eventsPoint->Unadvise(2), CONNECT_E_NOCONNECTION);
  EXPECT_EQ(eventsPoint->Unadvise(0xFFFFFFFF), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(eventsPoint->Unadvise(1), S_OK);
  EXPECT_EQ(eventsPoint->Unadvise(1), CONNECT_E_NOCONNECTION) << "the slot is empty now";

  EXPECT_EQ(Connect(other.Get()), 1u) << "the emptied slot is reused";
  EXPECT_EQ(object->put_Position(60), S_OK);
  EXPECT_EQ(other->Log(), (std::vector<std::string>{"206 I2:60"}));
  EXPECT_EQ(sink->Log(), (std::vector<std::string>{"206 I2:40"}));
}

TEST_F(Connections, SinkWithoutTheEventsInterfaceIsRefused) {
  const auto plain = TRecordingSink::Create(TRecordingSink::siDispatchOnly);
  DWORD cookie = 77;
  EXPECT_EQ(eventsPoint->Advise(static_cast<IDispatch*>(plain.Get()), &cookie), E_NOINTERFACE);
  EXPECT_EQ(plain->References(), 1u);

  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(eventsPoint->EnumConnections(&connections), S_OK);
  EXPECT_TRUE(Drain(connections.Get()).empty()) << "nothing was stored";
  EXPECT_EQ(object->put_Position(70), S_OK);
  EXPECT_TRUE(plain->Events().empty());
  EXPECT_EQ(Connect(sink.Get()), 1u);
}

TEST_F(Connections, PropertyNotificationPointTakesManySinksAndCallsNone) {
  const ComPtr<TRecordingSink> sinks[] = {TRecordingSink::Create(), TRecordingSink::Create(), TRecordingSink::Create(),
                                          TRecordingSink::Create()};
  for (DWORD expected = 1; expected <= 3; ++expected) {
    DWORD cookie = 0;
    ASSERT_EQ(notifyPoint->Advise(static_cast<IPropertyNotifySink*>(sinks[expected - 1].Get()), &cookie), S_OK);
    EXPECT_EQ(cookie, expected);
  }
  ASSERT_EQ(notifyPoint->Unadvise(2), S_OK);
  EXPECT_EQ(sinks[1]->References(), 1u);
  DWORD cookie = 0;
  ASSERT_EQ(notifyPoint->Advise(static_cast<IPropertyNotifySink*>(sinks[3].Get()), &cookie), S_OK);
  EXPECT_EQ(cookie, 2u) << "the emptied middle slot is reused";

  EXPECT_EQ(object->put_Position(55), S_OK);
  EXPECT_EQ(object->put_ColorLeft(0x00FF00), S_OK);
  EXPECT_EQ(object->put_Max(300), S_OK);
  for (const auto& each : sinks) {
    EXPECT_EQ(each->Notifications(), 0);
    EXPECT_TRUE(each->Events().empty());
  }
  ASSERT_EQ(notifyPoint->Unadvise(1), S_OK);
  ASSERT_EQ(notifyPoint->Unadvise(2), S_OK);
  ASSERT_EQ(notifyPoint->Unadvise(3), S_OK);
  EXPECT_EQ(notifyPoint->Unadvise(4), CONNECT_E_NOCONNECTION);
  for (const auto& each : sinks) EXPECT_EQ(each->References(), 1u);
}

TEST_F(Connections, ConnectionEnumeratorCoversTheSlotsOfItsMoment) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(eventsPoint->EnumConnections(&connections), S_OK);
  ASSERT_EQ(eventsPoint->Unadvise(1), S_OK);
  EXPECT_GT(sink->References(), 1u) << "the enumerator holds its own reference";
  const auto found = Drain(connections.Get());
  ASSERT_EQ(found.size(), 1u) << "disconnecting after the enumerator was made does not change it";
  EXPECT_EQ(found[0].first, 1u);
  EXPECT_EQ(found[0].second, Identity(static_cast<IDispatch*>(sink.Get())).Get());
  connections.Reset();
  EXPECT_EQ(sink->References(), 1u);

  // Slots 1 and 3 taken, 2 emptied.
  const ComPtr<TRecordingSink> sinks[] = {TRecordingSink::Create(), TRecordingSink::Create(), TRecordingSink::Create()};
  for (const auto& each : sinks) {
    DWORD cookie = 0;
    ASSERT_EQ(notifyPoint->Advise(static_cast<IPropertyNotifySink*>(each.Get()), &cookie), S_OK);
  }
  ASSERT_EQ(notifyPoint->Unadvise(2), S_OK);
  ASSERT_EQ(notifyPoint->EnumConnections(&connections), S_OK);

  CONNECTDATA data[4] = {};
  ULONG fetched = 99;
  ASSERT_EQ(connections->Next(4, data, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 2u);
  EXPECT_EQ(data[0].dwCookie, 1u);
  EXPECT_EQ(data[1].dwCookie, 3u);
  EXPECT_EQ(Identity(data[1].pUnk).Get(), Identity(static_cast<IDispatch*>(sinks[2].Get())).Get());
  data[0].pUnk->Release();
  data[1].pUnk->Release();
  EXPECT_EQ(connections->Next(1, data, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 0u);

  ASSERT_EQ(connections->Reset(), S_OK);
  ASSERT_EQ(connections->Skip(1), S_OK);
  ComPtr<IEnumConnections> clone;
  ASSERT_EQ(connections->Clone(&clone), S_OK);
  EXPECT_EQ(connections->Skip(2), S_FALSE) << "only one occupied slot is left";
  const auto rest = Drain(clone.Get());
  ASSERT_EQ(rest.size(), 1u) << "the clone kept the position it was made at";
  EXPECT_EQ(rest[0].first, 3u);
  ASSERT_EQ(clone->Reset(), S_OK);
  EXPECT_EQ(Drain(clone.Get()).size(), 2u);
}

TEST_F(Connections, SinksAreReleasedWhenDisconnectedAndWhenTheObjectGoes) {
  ASSERT_EQ(Connect(sink.Get()), 1u);
  EXPECT_GT(sink->References(), 1u);
  ASSERT_EQ(eventsPoint->Unadvise(1), S_OK);
  EXPECT_EQ(sink->References(), 1u);

  ASSERT_EQ(Connect(sink.Get()), 1u);
  const auto watcher = TRecordingSink::Create();
  DWORD cookie = 0;
  ASSERT_EQ(notifyPoint->Advise(static_cast<IPropertyNotifySink*>(watcher.Get()), &cookie), S_OK);
  notifyPoint.Reset();
  eventsPoint.Reset();
  container.Reset();
  EXPECT_EQ(object.Release(), 0u);
  EXPECT_EQ(sink->References(), 1u);
  EXPECT_EQ(watcher->References(), 1u);
  EXPECT_TRUE(sink->Events().empty()) << "nothing is fired while the object goes";
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

TEST_F(Connections, PointsAndEnumeratorsKeepTheObjectAlive) {
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(&points), S_OK);
  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(eventsPoint->EnumConnections(&connections), S_OK);
  container.Reset();
  notifyPoint.Reset();
  EXPECT_GT(object.Release(), 0u);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE);

  // The point still works on the living object.
  EXPECT_EQ(Connect(sink.Get()), 1u);
  ASSERT_EQ(eventsPoint->Unadvise(1), S_OK);
  eventsPoint.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE);

  ComPtr<IConnectionPoint> first;
  ASSERT_EQ(points->Next(1, &first, nullptr), S_OK);
  EXPECT_EQ(InterfaceOf(first.Get()), DIID_IZarnelXEvents);
  first.Reset();
  points.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE);
  connections.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace zarnel::test
