#include "CUndoStep.h"

#include "CVeldraDoc.h"

#include "objects/CDibObj.h"
#include "platform/CArchive.h"

#include <QBuffer>
#include <QtEndian>

CUndoStep CUndoStep::FromRecord(QByteArray record)
{
    CUndoStep step;
    if (record.size() >= 8) {
        step.m_kind = UndoKind(qFromLittleEndian<std::uint32_t>(record.constData()));
        step.m_index = int(std::min<std::uint32_t>(qFromLittleEndian<std::uint32_t>(record.constData() + 4), 0x7FFFFFFF));
    }
    step.m_record = std::move(record);
    return step;
}

CUndoStep CUndoStep::Keeping(UndoKind kind, int index, std::unique_ptr<CSymbolObj> object)
{
    CUndoStep step;
    step.m_kind = kind;
    step.m_index = index;
    step.m_object = std::move(object);
    return step;
}

CUndoStep CUndoStep::Filling(int index, SurfaceChange change)
{
    CUndoStep step;
    step.m_kind = UndoKind::filled;
    step.m_index = index;
    step.m_change = std::move(change);
    return step;
}

QByteArray CUndoStep::ToRecord(CVeldraDoc& doc) const
{
    if (!m_object && m_kind != UndoKind::filled)
        return m_record;
    // A step held as a difference is written from a whole copy.
    std::unique_ptr<CDibObj> whole;
    const CSymbolObj* object = m_object.get();
    if (object && !IsWhole()) {
        whole = static_cast<const CDibObj*>(object)->UndoCopy();
        if (!m_delta.Restore(whole->StoredImage(), m_base))
            return {};
        object = whole.get();
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(buffer, CArchive::store);
    ar.m_pDocument = &doc;
    if (object) {
        ar << std::uint32_t(m_kind) << std::uint32_t(m_index);
        ar.WriteObject(const_cast<CSymbolObj*>(object));
    } else {
        WriteChange(ar);
    }
    ar.Close();
    return bytes;
}

// Kind, position, the colour painted over and the fill's, then the spans.
void CUndoStep::WriteChange(CArchive& ar) const
{
    const auto& spans = m_change.Spans();
    ar << std::uint32_t(m_kind) << std::uint32_t(m_index) << std::uint32_t(m_change.From())
       << std::uint32_t(m_change.To()) << std::uint32_t(spans.size());
    for (const SurfaceChange::Span& span : spans)
        ar << span.y << span.x0 << span.x1;
}

const CDibImage* CUndoStep::StoredImage() const
{
    const auto* picture = dynamic_cast<const CDibObj*>(m_object.get());
    return picture ? &picture->StoredImage() : nullptr;
}

CDibImage CUndoStep::KeepDifferenceFrom(const CUndoStep& newer)
{
    if (m_kind != UndoKind::changed || newer.m_kind != UndoKind::changed || !IsWhole() || !newer.IsWhole())
        return {};
    auto* picture = dynamic_cast<CDibObj*>(m_object.get());
    const CDibImage* base = newer.StoredImage();
    if (!picture || !base || picture->StoredImage().SharesPixelsWith(*base))
        return {};
    if (!m_delta.Take(picture->StoredImage(), *base))
        return {};
    CDibImage given = std::move(picture->StoredImage());
    picture->StoredImage().Clear();
    // Rebuilt from the stored image when the step is used again.
    picture->DropDisplay();
    if (!m_delta.BringToBase(given, *base))
        return {};
    return given;
}

void CUndoStep::TakeBaseFrom(const CUndoStep& newer)
{
    if (IsWhole() || !m_base.IsEmpty())
        return;
    if (const CDibImage* base = newer.StoredImage())
        m_base = base->Share();
}

bool CUndoStep::MakeWhole()
{
    if (IsWhole())
        return true;
    auto* picture = static_cast<CDibObj*>(m_object.get());
    if (!m_delta.Restore(picture->StoredImage(), m_base))
        return false;
    m_delta.Clear();
    m_base.Clear();
    return true;
}
