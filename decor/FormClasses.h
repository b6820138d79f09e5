#pragma once
// Every component class that the plug-in's stored forms may use: the
// toolkit's own, the link label, and (once built) the gradient panel and the
// gauge.

#include "toolkit/component.h"

namespace decor {

const tk::ClassRegistry& FormClasses();

}  // namespace decor
