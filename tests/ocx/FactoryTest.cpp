// The server's class factory and the counts that decide when the module may unload: what the
// factory answers, what CreateInstance refuses and leaves behind, and an object aggregated into a
// controlling object of the test's own.
#include <gtest/gtest.h>
#include <ocidl.h>
#include <wrl/client.h>

#include "ClientApartment.h"
#include "ClientObject.h"

namespace zarnel::test {
namespace {

using Microsoft::WRL::ComPtr;

testing::Environment* const Apartment = testing::AddGlobalTestEnvironment(new TClientApartment);

constexpr uintptr_t Garbage = 0xBAADF00D;

// A controlling object of a client's own that aggregates the control: it answers IUnknown itself,
// hands every other interface to the inner object, and counts the calls that reach it.
class TOuterObject final : public IUnknown {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** ppv) noexcept override {
    ++QueryCalls;
    if (!ppv) return E_POINTER;
    if (::IsEqualIID(iid, IID_IUnknown)) {
      *ppv = static_cast<IUnknown*>(this);
      AddRef();
      return S_OK;
    }
    if (!Inner) {
      *ppv = nullptr;
      return E_NOINTERFACE;
    }
    return Inner->QueryInterface(iid, ppv);
  }
  STDMETHODIMP_(ULONG) AddRef() noexcept override {
    ++AddRefCalls;
    return static_cast<ULONG>(++References);
  }
  STDMETHODIMP_(ULONG) Release() noexcept override {
    ++ReleaseCalls;
    return static_cast<ULONG>(--References);
  }

  IUnknown* Inner = nullptr;  // the aggregated object's own unknown, held by the test
  long References = 1;        // the test's own
  int QueryCalls = 0;
  int AddRefCalls = 0;
  int ReleaseCalls = 0;
};

class Factory : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(ClientModule().CanUnloadNow(), S_OK) << "an earlier test left something alive";
    windowsBefore = CountThreadWindows();
  }
  // Nothing of the control is left: no window, nothing counted once the factory is let go.
  void ExpectNothingLeft() {
    EXPECT_EQ(CountThreadWindows(), windowsBefore);
    EXPECT_EQ(ParkingWindow(), nullptr);
    EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
  }

  int windowsBefore = 0;
};

TEST_F(Factory, ForeignClassIsNotAvailableAndClearsTheOutPointer) {
  void* ppv = reinterpret_cast<void*>(Garbage);
  EXPECT_EQ(ClientModule().GetClassObject(IID_IZarnelX, IID_IClassFactory, &ppv), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(ppv, nullptr);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

TEST_F(Factory, AnswersIClassFactoryAndIUnknownOnly) {
  ComPtr<IUnknown> unknown;
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(ClientModule().GetClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&unknown)), S_OK);
  ASSERT_EQ(ClientModule().GetClassObject(CLSID_ZarnelX, IID_PPV_ARGS(&factory)), S_OK);
  // One factory object behind both.
  EXPECT_EQ(unknown.Get(), static_cast<IUnknown*>(factory.Get()));

  for (const IID* iid : {&IID_IDispatch, &IID_IZarnelX, &IID_IClassFactory2, &IID_IPersist}) {
    void* ppv = reinterpret_cast<void*>(Garbage);
    EXPECT_EQ(ClientModule().GetClassObject(CLSID_ZarnelX, *iid, &ppv), E_NOINTERFACE);
    EXPECT_EQ(ppv, nullptr);
    ppv = reinterpret_cast<void*>(Garbage);
    EXPECT_EQ(factory->QueryInterface(*iid, &ppv), E_NOINTERFACE);
    EXPECT_EQ(ppv, nullptr);
  }
  unknown.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "a factory reference is still held";
  // AddRef and Release report the factory count: the test's one reference plus this one.
  EXPECT_EQ(factory->AddRef(), 2u);
  EXPECT_EQ(factory->Release(), 1u);
  EXPECT_EQ(factory.Detach()->Release(), 0u);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

TEST_F(Factory, LockServerKeepsTheModuleUntilUnlocked) {
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "the server lock alone keeps the module";
  factory = ControlFactory();
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "the factory reference still counts";
  factory.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_OK);
}

TEST_F(Factory, CreateInstanceWithoutOutPointerIsRefused) {
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IZarnelX, nullptr), E_POINTER);
  factory.Reset();
  ExpectNothingLeft();
}

TEST_F(Factory, AggregationAskingForAnotherInterfaceCreatesNothing) {
  TOuterObject outer;
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  void* ppv = reinterpret_cast<void*>(Garbage);
  EXPECT_EQ(factory->CreateInstance(&outer, IID_IDispatch, &ppv), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(ppv, nullptr);
  EXPECT_EQ(outer.QueryCalls + outer.AddRefCalls + outer.ReleaseCalls, 0) << "the outer object was touched";
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  factory.Reset();
  ExpectNothingLeft();
}

TEST_F(Factory, InterfaceTheObjectLacksDestroysTheNewObject) {
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  void* ppv = reinterpret_cast<void*>(Garbage);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IPersistFile, &ppv), E_NOINTERFACE);
  EXPECT_EQ(ppv, nullptr);
  // The object is gone already, with its control window and the parking window.
  EXPECT_EQ(CountThreadWindows(), windowsBefore);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "only the factory reference should remain";
  factory.Reset();
  ExpectNothingLeft();
}

TEST_F(Factory, PlainObjectHasOneIdentityAndGoesWithItsLastReference) {
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  ComPtr<IZarnelX> object;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&object)), S_OK);
  factory.Reset();
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "a live object keeps the module";
  EXPECT_NE(ParkingWindow(), nullptr);
  EXPECT_EQ(ParkedControls().size(), 1u);

  ComPtr<IUnknown> unknownFromDual, unknownFromDispatch;
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(object.As(&dispatch), S_OK);
  ASSERT_EQ(object.As(&unknownFromDual), S_OK);
  ASSERT_EQ(dispatch.As(&unknownFromDispatch), S_OK);
  EXPECT_EQ(unknownFromDual.Get(), unknownFromDispatch.Get());
  EXPECT_EQ(static_cast<IDispatch*>(object.Get()), dispatch.Get()) << "IDispatch is the dual interface";
  EXPECT_EQ(object->AddRef(), 5u) << "test's object, dispatch and two unknowns, plus this one";
  EXPECT_EQ(object->Release(), 4u);
  unknownFromDual.Reset();
  unknownFromDispatch.Reset();
  dispatch.Reset();
  EXPECT_EQ(object.Detach()->Release(), 0u);
  ExpectNothingLeft();
}

TEST_F(Factory, AggregatedObjectDelegatesItsUnknownToTheOuterObject) {
  TOuterObject outer;
  ComPtr<IClassFactory> factory = ControlFactory();
  ASSERT_TRUE(factory);
  IUnknown* inner = nullptr;
  ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner)), S_OK);
  ASSERT_NE(inner, nullptr);
  outer.Inner = inner;
  factory.Reset();
  EXPECT_NE(inner, static_cast<IUnknown*>(&outer));

  // The inner unknown answers IUnknown with itself.
  IUnknown* innerAgain = nullptr;
  ASSERT_EQ(inner->QueryInterface(IID_PPV_ARGS(&innerAgain)), S_OK);
  EXPECT_EQ(innerAgain, inner);
  EXPECT_EQ(innerAgain->Release(), 1u) << "the inner unknown counts the object's own references";

  // An interface got through the inner unknown is counted on the outer object.
  const int addRefsBefore = outer.AddRefCalls;
  IZarnelX* dual = nullptr;
  ASSERT_EQ(inner->QueryInterface(IID_PPV_ARGS(&dual)), S_OK);
  EXPECT_EQ(outer.AddRefCalls, addRefsBefore + 1);
  EXPECT_EQ(outer.References, 2);

  // Its IUnknown members all reach the outer object.
  EXPECT_EQ(dual->AddRef(), 3u);
  EXPECT_EQ(dual->Release(), 2u);
  EXPECT_EQ(outer.AddRefCalls, addRefsBefore + 2);
  const int queriesBefore = outer.QueryCalls;
  IUnknown* identity = nullptr;
  ASSERT_EQ(dual->QueryInterface(IID_PPV_ARGS(&identity)), S_OK);
  EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
  EXPECT_EQ(outer.QueryCalls, queriesBefore + 1);
  identity->Release();

  // The same through the object's other interfaces, which the outer object hands to the inner one.
  ISupportErrorInfo* support = nullptr;
  ASSERT_EQ(dual->QueryInterface(IID_PPV_ARGS(&support)), S_OK);
  ASSERT_EQ(support->QueryInterface(IID_PPV_ARGS(&identity)), S_OK);
  EXPECT_EQ(identity, static_cast<IUnknown*>(&outer));
  identity->Release();
  support->Release();
  EXPECT_EQ(outer.QueryCalls, queriesBefore + 3);

  EXPECT_EQ(dual->Release(), 1u);
  EXPECT_EQ(outer.References, 1) << "every reference the object took on the outer object went back";
  EXPECT_EQ(outer.AddRefCalls, outer.ReleaseCalls);
  EXPECT_EQ(ClientModule().CanUnloadNow(), S_FALSE) << "the inner object still lives";
  EXPECT_EQ(ParkedControls().size(), 1u);

  // Releasing the inner unknown destroys the object.
  EXPECT_EQ(inner->Release(), 0u);
  outer.Inner = nullptr;
  ExpectNothingLeft();
}

}  // namespace
}  // namespace zarnel::test
