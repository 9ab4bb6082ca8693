#pragma once

#include <memory>

class CVeldraDoc;

// A layout of its own with the same device, material, settings and objects
// as another: what a record is rendered into, so that the user's layout,
// its undo history and its file never see a record's values.
namespace CLayoutCopy {

std::unique_ptr<CVeldraDoc> Make(const CVeldraDoc& doc);

} // namespace CLayoutCopy
