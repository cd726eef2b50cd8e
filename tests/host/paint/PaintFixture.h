#pragma once
// The in-memory skins of the painting tests live with the shared test
// support, so that control tests build their skins the same way.
#include "support/PaintFixture.h"
