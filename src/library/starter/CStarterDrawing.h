#pragma once

#include <QString>

#include <memory>

class CDibObj;

// One drawing of the starter library turned into a library entry: the SVG
// drawn at a resolution, its width and height (in millimetres in the
// drawing) the entry's size. Materials become two-colour pictures whose
// black is the plate; frames and symbols 24-bit pictures, drawn white (the
// engraved colour) with a thin black edge, transparent where
// the drawing leaves the ground empty.
class CStarterDrawing
{
public:
    // kind: 0 material, 1 frame, 2 symbol. Nothing when the drawing cannot
    // be read.
    static std::unique_ptr<CDibObj> Render(const QString& svgPath, int kind, int dotsPerInch);
};
