#include "ObjectJson.h"

#include "JsonWriter.h"

#include "objects/CArcTextObj.h"
#include "objects/CCodePicture.h"
#include "objects/CDibObj.h"
#include "objects/CTextObj.h"
#include "objects/ObjectName.h"
#include "platform/AnsiCodec.h"

namespace {

void WriteFont(JsonWriter& json, const LOGFONT& lf)
{
    json.Key("font").BeginObject()
        .Field("height", std::int64_t(lf.lfHeight))
        .Field("weight", std::int64_t(lf.lfWeight))
        .Field("italic", std::int64_t(lf.lfItalic))
        .Field("face", AnsiCodec::Decode(lf.FaceName(), lf.lfCharSet))
        .EndObject();
}

void WritePicture(JsonWriter& json, const CDibObj& picture)
{
    const CDibImage& image = picture.StoredImage();
    json.Key("image").BeginObject()
        .Field("width", std::int64_t(image.Width()))
        .Field("height", std::int64_t(image.Height()))
        .Field("bpp", std::int64_t(image.BitCount()))
        .EndObject();
}

void WriteCode(JsonWriter& json, const CCodeDefinition& code, const CDocumentContext* layout)
{
    json.Key("code").BeginObject()
        .Field("kind", CCodeDefinition::Key(code.kind))
        .Field("data", code.data)
        .Field("module_um", std::int64_t(code.moduleMicrons));
    if (layout)
        json.Field("module_dots", std::int64_t(CCodePicture::ModuleDots(code, *layout)));
    if (code.HasEcc())
        json.Field("ecc", QString(code.ecc));
    json.Field("quiet_zone", std::int64_t(code.quietZone))
        .Field("human_text", std::int64_t(code.humanText && code.IsLinear()))
        .Field("modules_white", std::int64_t(code.modulesWhite))
        .EndObject();
}

void WriteTextBlock(JsonWriter& json, const CTextObj& text)
{
    WriteFont(json, text.m_lf);
    json.Field("fill_background", std::int64_t(text.m_bFillBackground))
        .Field("draw_frame", std::int64_t(text.m_nDrawFrame))
        .Field("font_color", std::int64_t(text.m_crFont))
        .Field("bkgnd_color", std::int64_t(text.m_crBkgnd))
        .Field("frame_color", std::int64_t(text.m_crFrame))
        .Pair("margin", std::int64_t(text.m_sizeBkgndMargin.cx), std::int64_t(text.m_sizeBkgndMargin.cy))
        .Field("format", std::int64_t(text.m_nFormat))
        .Field("antialias", std::int64_t(text.m_bAntialias));
}

void WriteLineText(JsonWriter& json, const CFreeTextObj& text)
{
    const CTextLayout& layout = text.m_layout;
    json.Field("text", AnsiCodec::Decode(layout.m_strText, layout.m_lf.lfCharSet));
    WriteFont(json, layout.m_lf);
    json.Field("mode", std::int64_t(layout.m_nMode))
        .Field("invert", std::int64_t(layout.m_bInvert))
        .Field("reverse", std::int64_t(layout.m_bReverse))
        .Field("rotate_glyphs", std::int64_t(layout.m_bRotateGlyphs))
        .Pair("center_px", layout.m_fCenterX, layout.m_fCenterY)
        .Field("angle", layout.m_fAngle)
        .Field("radius", layout.m_fRadius)
        .Field("spread", layout.m_fSpread)
        .Field("height", layout.m_fHeight)
        .Field("fill_background", std::int64_t(text.m_bFillBackground))
        .Field("font_color", std::int64_t(text.m_crFont))
        .Field("bkgnd_color", std::int64_t(text.m_crBkgnd));
}

} // namespace

void WriteObjectJson(JsonWriter& json, const CSymbolObj& object, const CDocumentContext* layout)
{
    json.BeginObject()
        .Field("class", QString::fromLatin1(object.GetRuntimeClass()->m_lpszClassName))
        .Field("name", ObjectName::Decoded(object))
        .Field("flags", std::int64_t(object.m_dwFlags))
        .Field("visible", std::int64_t(object.m_bVisible))
        .Pair("center", std::int64_t(object.m_ptCenter.x), std::int64_t(object.m_ptCenter.y))
        .Pair("size", std::int64_t(object.m_size.cx), std::int64_t(object.m_size.cy));
    if (const auto* picture = dynamic_cast<const CDibObj*>(&object))
        WritePicture(json, *picture);
    if (const std::optional<CCodeDefinition> code = CCodePicture::DefinitionOf(object))
        WriteCode(json, *code, layout);
    if (const auto* block = dynamic_cast<const CTextObj*>(&object))
        WriteTextBlock(json, *block);
    else if (const auto* line = dynamic_cast<const CFreeTextObj*>(&object))
        WriteLineText(json, *line);
    json.EndObject();
}
