#pragma once

#include "core/checked.h"

namespace core {}  // namespace core
