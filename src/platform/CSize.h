#pragma once

// A width and height in layout units or pixels.
struct CSize
{
    int cx = 0;
    int cy = 0;

    friend bool operator==(const CSize&, const CSize&) = default;
};
