#pragma once
// The values of all persisted properties of an object at one moment, and what makes two values the
// same: equal numbers and flags, equal text unit for unit, and fonts with equal name, size, weight
// flags and character set.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "ControlObject.h"
#include "Variant.h"
#include "PropertyList.h"

namespace zarnel::fuzz {

using TPropertyValues = std::vector<TVariant>;

TPropertyValues ReadValues(const TControlObject& object, const std::vector<TPersistedProperty>& properties);

bool SameValue(const VARIANT& a, const VARIANT& b);

}  // namespace zarnel::fuzz
