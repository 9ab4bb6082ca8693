#pragma once

#include "imaging/CDibImage.h"

// A deterministic photo-like 24-bit picture: smooth gradients with grain, so
// run-length coding and resampling meet what real photographs give them.
CDibImage MakePhoto(int width, int height);
