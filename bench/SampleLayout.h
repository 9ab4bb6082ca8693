#pragma once

#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"

#include <memory>

// A full-size plate as users make them: 90 x 90 mm at 529 dpi with an
// ellipse material and margins, three photographs, a text block, a
// horizontal text and a fan text.
std::unique_ptr<CVeldraDoc> MakeSampleLayout();
// A 24-bit image of the layout's plate size, to render into.
CDibImage MakePlateImage(const CVeldraDoc& doc);
