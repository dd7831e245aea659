#include "core/cam_timing.h"

#include <gtest/gtest.h>
