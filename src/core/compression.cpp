#include "core/compression.h"

namespace core {}  // namespace core
