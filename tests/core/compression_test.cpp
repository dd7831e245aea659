#include "core/compression.h"

#include <gtest/gtest.h>
