#pragma once
// The wide temporary folder, now one of the shared test helpers.
#include "tests/support/WideFolder.h"
