#include "CPictureCommands.h"

#include "CMaterialShapes.h"
#include "CPlateRenderer.h"
#include "CVeldraDoc.h"
#include "ILayerList.h"
#include "UpdateHint.h"

#include "imaging/DibQuarterTurn.h"
#include "imaging/DibStretcher.h"
#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"
#include "platform/AnsiCodec.h"
#include "platform/MulDiv.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace CPictureCommands {

namespace {

void Announce(CVeldraDoc& doc, CSymbolObj* object)
{
    doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
    doc.UpdateAllViews(nullptr, hintSelect, object);
}

// The fitted size of a w x h picture in the printable area, aspect kept;
// empty where there is no printable area.
CSize FitPrintable(const CVeldraDoc& doc, int w, int h)
{
    const CSize printable = CPictureCommands::PrintableSize(doc);
    const int W = printable.cx, H = printable.cy;
    if (W <= 0 || H <= 0)
        return {};
    if (double(H) / h <= double(W) / w)
        return {MulDiv(w, H, h), H};
    return {W, MulDiv(h, W, w)};
}

int IndexOfFirstPicture(const CVeldraDoc& doc)
{
    for (int i = 0; i < doc.GetObjectCount(); ++i)
        if (doc.GetObjectAt(i)->HasFlag(SOK_PICTURE))
            return i;
    return -1;
}

void AddRow(CVeldraDoc& doc, CSymbolObj* object)
{
    if (doc.LayerList())
        doc.LayerList()->AddRow(object, doc.IndexOf(object));
}

void RefreshRow(CVeldraDoc& doc, CSymbolObj* object)
{
    if (doc.LayerList())
        doc.LayerList()->RefreshRow(object);
}

// The picture the object works with: a part of the full-resolution one at
// the size it takes in dots, but never larger than the part itself, reduced
// with the halftone (area-averaging) stretch; a picture with transparent
// parts with the keyed resampling, which never mixes the key into a colour.
bool MakeWorkingCopy(const CDibImage& image, const CRect& part, CSize dots, CDibImage& working)
{
    if (part.Width() <= 0 || part.Height() <= 0)
        return false;
    const int workWidth = std::clamp(dots.cx, 1, part.Width()), workHeight = std::clamp(dots.cy, 1, part.Height());
    if (image.HasColour(transparentKey))
        return working.Create(workWidth, workHeight, 24)
               && working.Resample(0, 0, workWidth, workHeight, image, part.left, part.top, part.Width(), part.Height(),
                                   transparentKey, keyReplacement);
    const CRect workRect{0, 0, workWidth, workHeight};
    const QImage reduced = DibStretcher::Stretch(image, workRect, part, workRect, StretchMode::Halftone);
    if (reduced.isNull() || !working.Create(workWidth, workHeight, 24))
        return false;
    for (int y = 0; y < workHeight; ++y)
        std::memcpy(working.Row(y), reduced.constScanLine(y), 3 * std::size_t(workWidth));
    return true;
}

// A drawing's part drawn anew at the dots it takes. False where the
// picture is no drawing (any more), or the drawing cannot be made that large.
bool DrawTrimmed(const CDibObj& picture, const CDibImage& full, const CRect& part, CSize dots, CDibImage& working)
{
    return CDibObj::DrawPart(picture.CurrentRedraw(), {full.Width(), full.Height()}, part, dots, working);
}

// The full-resolution picture follows a rotation (quarterTurns) or a cut
// (0) of the picture, so that Trimming starts from the picture as it now
// is and never undoes the change. It goes to a new file: the old one stays
// with the undo step that may bring the old picture back. Where the full
// picture cannot be turned, or for a cut, the picture as it now is becomes
// the full one; where no file can be written, the picture has none and is
// not offered for trimming.
void FollowFullPicture(CVeldraDoc& doc, CDibObj& picture, int quarterTurns)
{
    if (picture.GetSourcePath().isEmpty())
        return;
    const QString path = doc.NewTempFile();
    bool written = false;
    if (!path.isEmpty()) {
        CDibImage full, turned;
        if (quarterTurns > 0 && full.LoadBitmapFile(picture.GetSourcePath())
            && DibQuarterTurn::Turn(full, quarterTurns, turned))
            written = turned.SaveBitmapFile(path);
        else
            written = picture.StoredImage().SaveBitmapFile(path);
    }
    picture.SetSourcePath(written ? path : QString());
    // The part chosen last time was a part of the picture before.
    const CRect none;
    picture.SetTrim(0, &none);
}

} // namespace

namespace {

// A new picture object of its working copy, placed at the fitted size with
// its full-resolution picture kept in a temporary file.
CDibObj* PlacePicture(CVeldraDoc& doc, CDibImage& working, const CDibImage& full, CSize fitted, CSize dots,
                      const QString& name)
{
    auto object = std::make_unique<CDibObj>();
    // Its key pixels are its transparent parts: every source of pictures
    // has moved other pixels off the key.
    if (!object->SetImageFrom(&working, flagsPicture, false))
        return nullptr;
    object->BuildDisplay(dots.cx, dots.cy);
    object->SetBounds(0, 0, fitted.cx, fitted.cy);
    // Names are kept in the layout's code page, like every other text.
    object->m_strName = AnsiCodec::Encode(name);
    const QString temporary = doc.NewTempFile();
    if (!temporary.isEmpty() && full.SaveBitmapFile(temporary))
        object->SetSourcePath(temporary);
    CDibObj* raw = object.get();
    doc.InsertAt(std::move(object), IndexOfFirstPicture(doc));
    AddRow(doc, raw);
    doc.RecordUndo(UndoKind::added, raw, true);
    Announce(doc, raw);
    return raw;
}

} // namespace

CSize PrintableSize(const CVeldraDoc& doc)
{
    const CSize material = doc.GetMaterialSize(), margin = doc.GetMargins();
    return {material.cx - 2 * margin.cx, material.cy - 2 * margin.cy};
}

CDibObj* AddPicture(CVeldraDoc& doc, CDibImage& image, const QString& name)
{
    if (image.IsEmpty() || (image.BitCount() != 24 && !image.ConvertDepth(24)))
        return nullptr;
    const CSize fitted = FitPrintable(doc, image.Width(), image.Height());
    const CSize dots = doc.DocToDeviceSize(fitted);
    if (dots.cx <= 0 || dots.cy <= 0)
        return nullptr;
    CDibImage working;
    if (!MakeWorkingCopy(image, {0, 0, image.Width(), image.Height()}, dots, working))
        return nullptr;
    return PlacePicture(doc, working, image, fitted, dots, name);
}

CDibObj* AddDrawing(CVeldraDoc& doc, CSize proportions, const DrawAt& draw, const QString& name)
{
    if (proportions.cx <= 0 || proportions.cy <= 0 || !draw)
        return nullptr;
    const CSize fitted = FitPrintable(doc, proportions.cx, proportions.cy);
    const CSize dots = doc.DocToDeviceSize(fitted);
    if (dots.cx <= 0 || dots.cy <= 0)
        return nullptr;
    CDibImage drawing;
    if (!draw(dots, drawing) || drawing.Width() != dots.cx || drawing.Height() != dots.cy)
        return nullptr;
    CDibImage working;
    if (!working.CopyImage(drawing))
        return nullptr;
    return PlacePicture(doc, working, drawing, fitted, dots, name);
}

bool AddPasted(CVeldraDoc& doc, std::unique_ptr<CSymbolObj> object)
{
    if (!object)
        return false;
    if (auto* picture = dynamic_cast<CDibObj*>(object.get()); picture && !picture->GetSourcePath().isEmpty()) {
        // Each copy gets a full-resolution file of its own.
        const QString copy = doc.NewTempFile();
        const bool copied = !copy.isEmpty() && (QFile::remove(copy), QFile::copy(picture->GetSourcePath(), copy));
        picture->SetSourcePath(copied ? copy : QString());
    }
    object->Refresh(&doc);
    CSymbolObj* raw = object.get();
    if (!doc.InsertAt(std::move(object), 0))
        return false;
    doc.RecordUndo(UndoKind::added, raw, true);
    // The list keeps the material at its head, so the object may not be
    // where it was asked to go: the row follows where it is.
    AddRow(doc, raw);
    doc.UpdateAllViews(nullptr, hintSelect, raw);
    return true;
}

std::unique_ptr<CDibObj> ReadLibraryFile(const QString& path)
{
    auto object = std::make_unique<CDibObj>();
    if (!object->ReadSymbolFile(path))
        return nullptr;
    object->m_strName = AnsiCodec::FromFileName(QFileInfo(path).completeBaseName());
    if (object->m_strName.isEmpty())
        return nullptr;
    return object;
}

CDibObj* InsertLibraryFile(CVeldraDoc& doc, const QString& path, int kind, std::optional<CPoint> centre)
{
    std::unique_ptr<CDibObj> object = ReadLibraryFile(path);
    if (!object)
        return nullptr;
    if (centre && kind == CMaterialShapes::symbol)
        object->SetPosition(centre->x, centre->y);
    object->Refresh(&doc);
    CDibObj* raw = object.get();
    CVeldraDoc::UndoGroup group(doc);
    if (kind == CMaterialShapes::material) {
        // The plate is now this library material: Material Setup starts
        // from it, and one undo brings back the plate before.
        doc.RecordMaterialUndo();
        doc.SetShapeIndex(-1);
        doc.SetShapeFile(path);
    }
    return CMaterialShapes::InsertLibraryObject(doc, std::move(object), kind) ? raw : nullptr;
}

CDibObj* MergeObjects(CVeldraDoc& doc, const std::vector<CSymbolObj*>& chosen, bool blackBackground)
{
    // In the list's order, whatever order they were chosen in: the joined
    // picture shows what the plate showed, the front-most object in front.
    std::vector<CSymbolObj*> objects;
    for (CSymbolObj* object : doc.GetObjects())
        if (std::find(chosen.begin(), chosen.end(), object) != chosen.end())
            objects.push_back(object);
    if (objects.empty())
        return nullptr;
    // A scratch document of the same device renders just these objects.
    CVeldraDoc scratch;
    CDocumentSettings settings = doc.Settings();
    settings.marginTopLeft = {0, 0};
    // The whole material is printable here: a plate larger than the device
    // limit must not get the margin bands that mark what cannot be printed.
    const CSize size = doc.GetDeviceSize();
    settings.deviceSizeLimit = std::max({settings.deviceSizeLimit, size.cx, size.cy});
    scratch.SetSettings(settings);
    scratch.SetMaterialSize(doc.GetMaterialSize());
    scratch.SetDevice(doc.GetResolution(), doc.GetMaterialSize().cx, doc.GetMaterialSize().cy);
    scratch.SetBaseColor(blackBackground ? 0x000000 : transparentKey);
    for (CSymbolObj* object : objects)
        if (auto copy = object->Clone()) {
            copy->Refresh(&scratch);
            scratch.InsertRaw(std::move(copy), -1);
        }
    CDibImage merged;
    if (!merged.Create(size.cx, size.cy, 24))
        return nullptr;
    CPlateRenderer(scratch).RenderPlate(merged, CPlateRenderer::output);

    auto picture = std::make_unique<CDibObj>();
    if (!picture->SetImageFrom(&merged, flagsPicture, false))
        return nullptr;
    picture->SetBounds(0, 0, doc.GetMaterialSize().cx, doc.GetMaterialSize().cy);
    picture->BuildDisplay(size.cx, size.cy);
    CDibObj* raw = picture.get();
    const int at = std::max(doc.IndexOf(objects.front()), 0);
    // The new picture and the objects it replaces come and go in one undo.
    CVeldraDoc::UndoGroup group(doc);
    doc.InsertAt(std::move(picture), at);
    doc.RecordUndo(UndoKind::added, raw, true);
    // The row first, so that the layer list can select it with the views.
    AddRow(doc, raw);
    doc.UpdateAllViews(nullptr, hintSelect, raw);
    for (CSymbolObj* object : objects)
        doc.Delete(object);
    return raw;
}

bool IsTurnablePicture(const CSymbolObj& object)
{
    // A code is drawn from its data: a cut or turned picture of it would
    // be drawn over again as it was.
    return dynamic_cast<const CDibObj*>(&object) && !CCodePicture::DefinitionOf(object)
           && (object.HasFlag(SOK_PICTURE) || object.HasFlag(SOK_FRAME) || object.HasFlag(SOK_SYMBOL));
}

bool RotatePicture(CVeldraDoc& doc, CDibObj& picture, int angleIndex)
{
    CDibImage turned;
    if (!DibQuarterTurn::Turn(picture.StoredImage(), angleIndex, turned))
        return false;
    const bool swap = angleIndex != 2;
    doc.RecordUndo(UndoKind::changed, &picture, true);
    const CSize size = picture.GetSize();
    if (!picture.SetImageFrom(&turned, picture.m_dwFlags, false)) {
        // Nothing changed: an undo step would only undo nothing.
        doc.DropLastUndo();
        return false;
    }
    FollowFullPicture(doc, picture, angleIndex);
    const CSize newSize = swap ? CSize{size.cy, size.cx} : size;
    picture.SetSize(newSize.cx, newSize.cy);
    picture.Refresh(&doc);
    RefreshRow(doc, &picture);
    return true;
}

bool Crop(CVeldraDoc& doc, CSymbolObj& object, const PictureCropper& crop)
{
    auto* picture = dynamic_cast<CDibObj*>(&object);
    if (!picture || !IsTurnablePicture(*picture) || !crop)
        return false;
    CDibImage copy;
    // Cutting works on colour pixels: a one-bit symbol comes out in colour.
    if (!copy.CopyImage(picture->StoredImage()) || (copy.BitCount() != 24 && !copy.ConvertDepth(24)) || !crop(copy))
        return false;
    doc.RecordUndo(UndoKind::changed, picture, true);
    picture->StoredImage() = std::move(copy);
    FollowFullPicture(doc, *picture, 0);
    picture->Refresh(&doc);
    RefreshRow(doc, picture);
    Announce(doc, picture);
    return true;
}

bool Trim(CVeldraDoc& doc, CDibObj& picture, const CDibImage& full, const TrimChoice& choice)
{
    if (full.IsEmpty() || choice.size.cx <= 0 || choice.size.cy <= 0)
        return false;
    const CSize dots = doc.DocToDeviceSize(choice.size);
    CDibImage working;
    const bool drawn = DrawTrimmed(picture, full, choice.pictureRect, dots, working);
    if (!drawn && !MakeWorkingCopy(full, choice.pictureRect, dots, working))
        return false;
    doc.RecordUndo(UndoKind::changed, &picture, true);
    if (!picture.SetImageFrom(&working, picture.m_dwFlags, false)) {
        doc.DropLastUndo();
        return false;
    }
    // A part drawn from the file is drawn from it again at later sizes.
    if (drawn)
        picture.SetRedrawnPart(choice.pictureRect, {full.Width(), full.Height()});
    picture.SetTrim(choice.mode, &choice.displayRect);
    picture.BuildDisplay(dots.cx, dots.cy);
    // Trimmed, the picture starts again from the material's centre.
    picture.SetBounds(0, 0, choice.size.cx, choice.size.cy);
    RefreshRow(doc, &picture);
    Announce(doc, &picture);
    return true;
}

void Invert(CVeldraDoc& doc)
{
    doc.SetInverted(!doc.IsInverted());
    doc.UpdateAllViews(nullptr, hintPlateChanged, nullptr);
}

FanPlacement PlaceFanText(int x, int y)
{
    FanPlacement placement{0, float(std::sqrt(double(x) * x + double(y) * y) * 0.1), false};
    const int ax = std::abs(x);
    if (y <= 0)
        placement.angle = ax < -y ? 180.0f : (x <= 0 ? 270.0f : 90.0f);
    else if (ax < y)
        placement = {360.0f, placement.radius, true};
    else
        placement.angle = x <= 0 ? 270.0f : 90.0f;
    return placement;
}

} // namespace CPictureCommands
