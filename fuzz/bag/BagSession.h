#pragma once
// What lives for the whole fuzz run: the thread's apartment, the .ocx loaded by path, its class
// factory, the persisted properties read from the type information, and two objects of the control
// class: the one the hostile bags load into, with the values it last showed, and the replica its
// saved bags load into.
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "ControlObject.h"
#include "HostileObject.h"
#include "PropertyList.h"
#include "PropertyValues.h"

namespace zarnel::fuzz {

// How often the bags offered each property a value, and how often a load changed it.
struct TPropertyTally {
  std::wstring Name;
  uint64_t Offered = 0;
  uint64_t Changed = 0;
};

class TBagSession {
 public:
  // The session, made on first use (on the calling thread, which must be the one that fuzzes).
  static TBagSession& Instance();
  // Ends the session when there is one: every object goes, and the server must be free to unload.
  static void Finish();

  ~TBagSession();
  TBagSession(const TBagSession&) = delete;
  TBagSession& operator=(const TBagSession&) = delete;

  const std::vector<TPersistedProperty>& Properties() const { return FProperties; }
  const TControlObject& Target() const { return *FTarget; }
  const TControlObject& Replica() const { return *FReplica; }
  TPropertyValues& TargetValues() { return FTargetValues; }
  TAnswerTrace& Trace() { return FTrace; }
  std::vector<TPropertyTally>& Tallies() { return FTallies; }

  // Whether this execution checks a round trip: the first does, then every sixteenth.
  bool RoundTripDue() const { return FExecutions % RoundTripInterval == 0; }
  // Counts an execution; every so often the thread's windows are counted, and must be as many as
  // after the first.
  void Executed();

 private:
  static constexpr uint64_t RoundTripInterval = 16;

  TBagSession();
  HMODULE FModule = nullptr;
  Microsoft::WRL::ComPtr<IClassFactory> FFactory;
  std::unique_ptr<TControlObject> FTarget, FReplica;
  TPropertyValues FTargetValues;
  std::vector<TPersistedProperty> FProperties;
  TAnswerTrace FTrace;
  std::vector<TPropertyTally> FTallies;
  uint64_t FExecutions = 0;
  int FWindows = 0;
};

}  // namespace zarnel::fuzz
