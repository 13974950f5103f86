#include "ClientApartment.h"

#include <objbase.h>

namespace zarnel::test {

void TClientApartment::SetUp() { ASSERT_EQ(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK); }

void TClientApartment::TearDown() { ::CoUninitialize(); }

}  // namespace zarnel::test
