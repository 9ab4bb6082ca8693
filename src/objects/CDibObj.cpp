#include "CDibObj.h"

#include "CDocumentContext.h"

#include "codes/CCodeDrawing.h"
#include "codes/CCodeEncoder.h"
#include "codes/CModuleSize.h"
#include "platform/CArchive.h"
#include "platform/CInputFile.h"
#include "platform/CSafeSave.h"
#include "platform/MulDiv.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cstring>

VELDRA_IMPLEMENT_SERIAL(CDibObj, &CSymbolObj::classInfo, 3, true)

const char* const CDibObj::symbolMagic = "Corvex KZ Corporation Veldra Symbol";

namespace {
// Schema-2 records used another colour as their transparent key.
constexpr COLORREF olderKey = 0xFFFFFE;
}

CDibObj::CDibObj(bool noCache)
    : m_bNoCache(noCache)
{
}

CDibObj::~CDibObj() = default;

std::unique_ptr<CSymbolObj> CDibObj::Clone() const
{
    auto copy = std::make_unique<CDibObj>();
    copy->CopyCommon(*this);
    copy->m_nSchema = m_nSchema;
    if (!m_image.IsEmpty() && !copy->m_image.CopyImage(m_image))
        return nullptr;
    copy->KeepRedrawOf(*this);
    return copy;
}

std::unique_ptr<CDibObj> CDibObj::UndoCopy() const
{
    auto copy = std::make_unique<CDibObj>(m_bNoCache);
    copy->CopyCommon(*this);
    copy->m_nSchema = m_nSchema;
    copy->m_image = m_image.Share();
    copy->m_strSourcePath = m_strSourcePath;
    copy->m_nTrimMode = m_nTrimMode;
    copy->m_rcTrim = m_rcTrim;
    copy->KeepRedrawOf(*this);
    if (m_pDisplay)
        copy->m_pDisplay = std::make_unique<CDibImage>(m_pDisplay->Share());
    copy->m_displayStamp = m_displayStamp;
    return copy;
}

void CDibObj::RestoreDisplay(CDocumentContext* document)
{
    // What reading the object back from a record would leave: no display
    // image for pen layers and previews, else one at the document's size.
    if (m_bNoCache || Kind() == SOK_PEN || !document) {
        if (m_pDisplay)
            DropDisplay();
        return;
    }
    const CSize pixels = document->DocToDeviceSize(m_size);
    if (m_pDisplay && m_pDisplay->Width() == pixels.cx && m_pDisplay->Height() == pixels.cy)
        return;
    Refresh(document);
}

void CDibObj::CopyFrom(const CSymbolObj& source)
{
    CopyCommon(source);
    if (const auto* other = dynamic_cast<const CDibObj*>(&source); other && !other->m_image.IsEmpty()) {
        m_image.CopyImage(other->m_image);
        KeepRedrawOf(*other);
    }
}

void CDibObj::Draw(QPainter& painter, const CRect* dest, int mode)
{
    if (m_image.IsEmpty())
        return;
    CRect rect;
    if (dest)
        rect = *dest;
    else
        GetRect(&rect);
    m_image.StretchDraw(painter, &rect, nullptr, mode != 0);
}

CDibImage* CDibObj::GetImage(bool source)
{
    if (!source && m_pDisplay)
        return m_pDisplay.get();
    return &m_image;
}

void CDibObj::Refresh(CDocumentContext* document)
{
    if (m_bNoCache || Kind() == SOK_PEN || !document)
        return;
    const CSize pixels = document->DocToDeviceSize(m_size);
    // Beyond a few plates' size a display image shows nothing the stored
    // image would not: such objects draw from the stored image.
    const std::uint64_t bytes = std::uint64_t(std::max(pixels.cx, 0)) * std::uint64_t(std::max(pixels.cy, 0)) * 3;
    if (pixels.cx > maxDisplaySide || pixels.cy > maxDisplaySide || !document->AllowDisplayBytes(bytes)) {
        DropDisplay();
        return;
    }
    BuildDisplay(pixels.cx, pixels.cy);
}

void CDibObj::DropDisplay()
{
    m_displayStamp = ++StampCounter();
    m_pDisplay.reset();
}

void CDibObj::EndTrack(DragState& drag)
{
    // The view has put the final size in output pixels into sizeOrg.
    if (!SnapCode(drag.sizeOrg))
        BuildDisplay(drag.sizeOrg.cx, drag.sizeOrg.cy);
    CSymbolObj::EndTrack(drag);
}

bool CDibObj::SetImageFrom(const CDibImage* source, std::uint32_t flags, bool escapeKey)
{
    if (!source || !m_image.CopyImage(*source))
        return false;
    SetImage(flags, escapeKey);
    return true;
}

void CDibObj::SetImage(std::uint32_t flags, bool escapeKey)
{
    m_dwFlags = flags;
    m_size = {m_image.Width(), m_image.Height()};
    if (Kind() == SOK_MATERIAL)
        return;
    if (m_image.BitCount() != 24)
        m_image.ConvertDepth(24);
    if (escapeKey)
        ReplaceColour(transparentKey, keyReplacement);
}

std::atomic<std::uint64_t>& CDibObj::StampCounter()
{
    static std::atomic<std::uint64_t> stamps{0};
    return stamps;
}

void CDibObj::SetRedraw(Redraw redraw)
{
    m_redraw = std::move(redraw);
    m_drawn = m_redraw ? m_image.Share() : CDibImage();
    m_rcDrawnPart = {};
    m_drawnWhole = {};
}

void CDibObj::SetRedrawnPart(const CRect& part, CSize whole)
{
    if (!m_redraw)
        return;
    m_drawn = m_image.Share();
    m_rcDrawnPart = part;
    m_drawnWhole = whole;
}

CDibObj::Redraw CDibObj::CurrentRedraw() const
{
    return m_redraw && m_image.SharesPixelsWith(m_drawn) ? m_redraw : Redraw();
}

void CDibObj::KeepRedrawOf(const CDibObj& other)
{
    SetRedraw(other.CurrentRedraw());
    if (m_redraw && !other.m_rcDrawnPart.IsEmpty())
        SetRedrawnPart(other.m_rcDrawnPart, other.m_drawnWhole);
}

bool CDibObj::DrawPart(const Redraw& redraw, CSize whole, const CRect& part, CSize dots, CDibImage& image)
{
    if (!redraw || part.Width() <= 0 || part.Height() <= 0)
        return false;
    const double scaleX = double(dots.cx) / part.Width(), scaleY = double(dots.cy) / part.Height();
    const CSize scaled{int(std::lround(whole.cx * scaleX)), int(std::lround(whole.cy * scaleY))};
    CDibImage drawn;
    if (!redraw(scaled, drawn))
        return false;
    const int left = int(std::lround(part.left * scaleX)), top = int(std::lround(part.top * scaleY));
    const CRect cut{left, top, left + dots.cx, top + dots.cy};
    return cut.right <= drawn.Width() && cut.bottom <= drawn.Height() && image.CopyImage(drawn, &cut);
}

bool CDibObj::RedrawDisplay(int width, int height)
{
    const Redraw redraw = CurrentRedraw();
    if (!redraw || width < 1 || height < 1)
        return false;
    auto drawn = std::make_unique<CDibImage>();
    const bool made = m_rcDrawnPart.IsEmpty()
                          ? redraw({width, height}, *drawn)
                          : DrawPart(redraw, m_drawnWhole, m_rcDrawnPart, {width, height}, *drawn);
    if (!made || drawn->Width() != width || drawn->Height() != height || drawn->BitCount() != 24)
        return false;
    m_pDisplay = std::move(drawn);
    return true;
}

bool CDibObj::BuildDisplay(int width, int height)
{
    DropDisplay();
    if (m_image.IsEmpty())
        return false;
    if ((width != m_image.Width() || height != m_image.Height())
        && (DrawCode(width, height) || RedrawDisplay(width, height)))
        return true;
    auto display = std::make_unique<CDibImage>();
    const int sw = m_image.Width(), sh = m_image.Height();
    bool ok = false;
    // Resampling the whole picture onto the whole display image writes every
    // pixel of it.
    if (width == sw && height == sh) {
        ok = display->CopyImage(m_image);
    } else if ((width < sw && sh < height) || (sw < width && height < sh)) {
        // One side shrinks while the other grows: the reduction and the
        // enlargement each get a pass of their own.
        CDibImage temporary;
        ok = temporary.CreateToOverwrite(width, sh, 24) && display->CreateToOverwrite(width, height, 24)
            && temporary.Resample(0, 0, width, sh, m_image, 0, 0, sw, sh, transparentKey, keyReplacement)
            && display->Resample(0, 0, width, height, temporary, 0, 0, width, sh, transparentKey, keyReplacement);
    } else {
        ok = display->CreateToOverwrite(width, height, 24)
            && display->Resample(0, 0, width, height, m_image, 0, 0, sw, sh, transparentKey, keyReplacement);
    }
    if (ok)
        m_pDisplay = std::move(display);
    return ok;
}

std::optional<CCodeMatrix> CDibObj::CodeMatrix(CCodeDefinition& definition) const
{
    if (Kind() != SOK_PICTURE || !CCodeDefinition::IsCodeName(m_strName))
        return std::nullopt;
    std::optional<CCodeDefinition> named = CCodeDefinition::FromName(m_strName);
    if (!named)
        return std::nullopt;
    definition = *named;
    return CCodeEncoder::Encode(definition, definition.data, nullptr);
}

bool CDibObj::DrawCode(int width, int height)
{
    CCodeDefinition definition;
    const std::optional<CCodeMatrix> matrix = CodeMatrix(definition);
    auto drawn = std::make_unique<CDibImage>();
    if (!matrix || !CCodeDrawing::Draw(*matrix, definition.modulesWhite, {width, height}, *drawn))
        return false;
    m_pDisplay = std::move(drawn);
    return true;
}

bool CDibObj::SnapCode(CSize pixels)
{
    CCodeDefinition definition;
    const std::optional<CCodeMatrix> matrix = CodeMatrix(definition);
    if (!matrix || pixels.cx <= 0 || pixels.cy <= 0)
        return false;
    const int dots = std::max(CCodeDrawing::ModuleDotsIn(*matrix, pixels), CModuleSize::minimumDots);
    const CSize snapped = CCodeDrawing::DotsFor(*matrix, dots);
    CDibImage drawn;
    if (!CCodeDrawing::Draw(*matrix, definition.modulesWhite, snapped, drawn))
        return false;
    m_image = std::move(drawn);
    m_size = {MulDiv(m_size.cx, snapped.cx, pixels.cx), MulDiv(m_size.cy, snapped.cy, pixels.cy)};
    // The module asked for is now the one drawn (layout units are 10 um).
    definition.moduleMicrons = std::clamp(MulDiv(dots * 10, m_size.cx, snapped.cx), 1, CCodeDefinition::maximumModuleMicrons);
    m_strName = definition.ToName();
    BuildDisplay(snapped.cx, snapped.cy);
    return true;
}

void CDibObj::ReplaceColour(COLORREF from, COLORREF to)
{
    m_image.ReplaceColour(from, to);
}

int CDibObj::GetTrim(CRect* rect) const
{
    if (rect)
        *rect = m_rcTrim;
    return m_nTrimMode;
}

void CDibObj::SetTrim(int mode, const CRect* rect)
{
    if (mode < 0 || mode > 2)
        return;
    m_nTrimMode = mode;
    if (rect)
        m_rcTrim = *rect;
}

void CDibObj::Serialize(CArchive& ar)
{
    const int presetSchema = m_nSchema;
    CSymbolObj::Serialize(ar);
    if (ar.IsLoading() && m_nSchema == -1)
        m_nSchema = presetSchema; // read directly, as symbol files are
    m_image.Serialize(ar);

    // Undo records and the clipboard carry the picture's editing history;
    // document and symbol files do not.
    if (ar.m_pDocument && !ar.m_pDocument->IsSerializingFile()) {
        if (ar.IsStoring()) {
            ar.WriteString(m_strSourcePath.toUtf8());
            ar << std::int32_t(m_nTrimMode) << std::int32_t(m_rcTrim.left) << std::int32_t(m_rcTrim.top)
               << std::int32_t(m_rcTrim.right) << std::int32_t(m_rcTrim.bottom);
        } else {
            m_strSourcePath = QString::fromUtf8(ar.ReadString());
            std::int32_t mode, l, t, r, b;
            ar >> mode >> l >> t >> r >> b;
            m_nTrimMode = mode;
            m_rcTrim = {l, t, r, b};
        }
    }
    if (ar.IsLoading()) {
        ConvertOlderKey();
        BuildDisplayAfterLoading(ar);
    }
}

void CDibObj::ConvertOlderKey()
{
    if (m_nSchema >= 3 || m_nSchema == -1)
        return;
    if (Kind() == SOK_PICTURE)
        ReplaceColour(transparentKey, keyReplacement);
    else if (Kind() != SOK_MATERIAL)
        ReplaceColour(olderKey, transparentKey);
}

void CDibObj::BuildDisplayAfterLoading(CArchive& ar)
{
    if (m_bNoCache || Kind() == SOK_PEN)
        return;
    if (ar.m_pDocument) {
        Refresh(ar.m_pDocument);
        return;
    }
    BuildDisplay(m_image.Width(), m_image.Height());
}

bool CDibObj::WriteSymbolFile(const QString& path, QString* error)
{
    // Written beside the target and renamed over it: a failed write never
    // destroys the library entry that was there. Library folders are shared
    // by every user, so a link in the entry's place is refused, never
    // written through.
    return CSafeSave::Write(path, [this](QIODevice& device) {
        try {
            CArchive ar(device, CArchive::store);
            char header[symbolHeaderSize] = {};
            std::strncpy(header, symbolMagic, 48);
            CArchive::EncodeLittleEndian(std::uint32_t(1), reinterpret_cast<unsigned char*>(header) + 48);
            ar.Write(header, symbolHeaderSize);
            Serialize(ar);
            ar.Close();
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }, error, CSafeSave::Links::refuse);
}

bool CDibObj::ReadSymbolFile(const QString& path)
{
    CInputFile file(path);
    if (!file.Open())
        return false;
    try {
        CArchive ar(file.File(), CArchive::load);
        char header[symbolHeaderSize];
        ar.Read(header, symbolHeaderSize);
        if (std::strncmp(header, symbolMagic, 48) != 0)
            throw CArchiveException(CArchiveException::badIndex);
        const std::uint32_t version = CArchive::DecodeLittleEndian<std::uint32_t>(reinterpret_cast<unsigned char*>(header) + 48);
        if (version > 1)
            throw CArchiveException(CArchiveException::badSchema);
        m_nSchema = version == 1 ? 3 : 2;
        Serialize(ar);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
