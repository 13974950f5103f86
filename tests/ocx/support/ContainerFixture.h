#pragma once
// The fixture of the tests that embed one object in a test container: the object's IOleObject face,
// let go before the object's last reference is checked; the container checks its own references
// when the fixture goes.
#include <gtest/gtest.h>
#include <oleidl.h>
#include <wrl/client.h>

#include "ClientObject.h"
#include "Container.h"

namespace zarnel::test {

class EmbeddedControl : public ClientControl {
 protected:
  void SetUp() override { ASSERT_EQ(object->QueryInterface(IID_PPV_ARGS(&ole)), S_OK); }
  void TearDown() override {
    ole.Reset();
    ClientControl::TearDown();
  }

  // The control window's rectangle in the container window's client area.
  RECT ControlRectInContainer() const {
    RECT rc;
    ::GetWindowRect(object.ControlWindow(), &rc);
    ::MapWindowPoints(nullptr, container.Window(), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }

  TContainer container;
  Microsoft::WRL::ComPtr<IOleObject> ole;
};

}  // namespace zarnel::test
