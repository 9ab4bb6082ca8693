#pragma once

// The drawing pen and fill tool while it works on the document's pen layer;
// the document owns it. The engine comes with the raster operations.
class IPenTool
{
public:
    virtual ~IPenTool() = default;
};
