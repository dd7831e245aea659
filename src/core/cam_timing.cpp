#include "core/cam_timing.h"

namespace core {}  // namespace core
