#pragma once

#include "model/geometry.h"

// Places an image in a box: as it is when it fits, otherwise shrunk to the
// largest size of the same aspect ratio that fits (each side at least 1);
// centred either way, the spare space halved rounding down.
CRect FitImageInBox(CSize image, const CRect& box);
