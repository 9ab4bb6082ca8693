#pragma once

#include "MaterialChoice.h"

#include "view/controls/CFieldRefusal.h"
#include "view/controls/CUnitFormat.h"

#include <QString>

#include <memory>
#include <optional>

class CDibObj;

// What the Material Setup dialog does with its values: the width and height
// between 1 mm and the document's maximum, the shape, and the library
// material with the picture object read from its file.
class CMaterialSetupRules
{
public:
    static constexpr int widthField = 1006;
    static constexpr int heightField = 1007;
    static constexpr int minimumSide = 100; // 0.01 mm

    // A library material whose file cannot be read falls back to the
    // rectangle here, as the dialog opens.
    CMaterialSetupRules(int unit, const MaterialChoice& start, CSize maximum);
    ~CMaterialSetupRules();

    bool InchUnit() const { return m_unit.IsInch(); }
    QString WidthText() const { return m_unit.Format(m_choice.size.cx); }
    QString HeightText() const { return m_unit.Format(m_choice.size.cy); }
    // The limits as the range message shows them.
    double MinimumShown() const;
    double MaximumShown(int field) const;

    int Shape() const { return m_choice.shape; }
    void SetShape(int shape) { m_choice.shape = MaterialChoice::KnownShape(shape); }
    CSize Size() const { return m_choice.size; }
    // The picture object of the library material, while that is the shape.
    const CDibObj* LibraryObject() const { return m_choice.IsLibrary() ? m_pLibrary.get() : nullptr; }

    // Takes the typed sizes; the first refused one stops it and nothing
    // is kept.
    std::optional<CFieldRefusal> Accept(const QString& width, const QString& height);
    // The same without a word: the preview follows what is typed when it
    // can.
    void TakeQuietly(const QString& width, const QString& height);

    // The library window's answer: a chosen material's file (read at once;
    // one that cannot be read leaves the rectangle), or nothing when
    // cancelled (a library material whose file has gone since falls back
    // to the rectangle).
    void TakeLibraryChoice(const QString& path);
    void LibraryChoiceCancelled();

    MaterialChoice Result() const { return m_choice; }

private:
    void LoadLibraryMaterial();

    CUnitFormat m_unit;
    CSize m_maximum;
    MaterialChoice m_choice;
    std::unique_ptr<CDibObj> m_pLibrary;
};
