#include "CArchive.h"

#include "CClassRegistry.h"

#include <QIODevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
constexpr std::size_t bufferSize = 64 * 1024;
// Allocation step for data whose length comes from the stream itself.
constexpr std::uint64_t trustedChunk = 1 << 20;
}

CArchive::CArchive(QIODevice& device, Mode mode, const CClassRegistry* registry)
    : m_device(device), m_mode(mode), m_registry(registry), m_buffer(bufferSize)
{
    if (mode == load)
        m_loadMap.emplace_back();
}

CArchive::~CArchive()
{
    if (m_mode == store && m_bufferPos > 0) {
        try {
            Flush();
        } catch (...) {
            // A caller that cares about the result has flushed already.
        }
    }
}

// ---------------------------------------------------------------- raw bytes

void CArchive::Write(const void* data, std::size_t size)
{
    const char* bytes = static_cast<const char*>(data);
    if (size >= m_buffer.size()) {
        Flush();
        if (m_device.write(bytes, qint64(size)) != qint64(size))
            throw CFileException(m_device.errorString());
        return;
    }
    if (m_bufferPos + size > m_buffer.size())
        Flush();
    std::memcpy(m_buffer.data() + m_bufferPos, bytes, size);
    m_bufferPos += size;
}

void CArchive::Flush()
{
    if (m_mode != store || m_bufferPos == 0)
        return;
    const qint64 size = qint64(m_bufferPos);
    m_bufferPos = 0;
    if (m_device.write(m_buffer.data(), size) != size)
        throw CFileException(m_device.errorString());
}

void CArchive::FillBuffer()
{
    const qint64 got = m_device.read(m_buffer.data(), qint64(m_buffer.size()));
    if (got < 0)
        throw CFileException(m_device.errorString());
    m_bufferPos = 0;
    m_bufferEnd = std::size_t(got);
}

void CArchive::Read(void* data, std::size_t size)
{
    char* out = static_cast<char*>(data);
    while (size > 0) {
        if (m_bufferPos == m_bufferEnd) {
            if (size >= m_buffer.size()) {
                const qint64 got = m_device.read(out, qint64(size));
                if (got < 0)
                    throw CFileException(m_device.errorString());
                if (std::size_t(got) != size)
                    throw CArchiveException(CArchiveException::endOfFile);
                return;
            }
            FillBuffer();
            if (m_bufferEnd == 0)
                throw CArchiveException(CArchiveException::endOfFile);
        }
        const std::size_t n = std::min(size, m_bufferEnd - m_bufferPos);
        std::memcpy(out, m_buffer.data() + m_bufferPos, n);
        m_bufferPos += n;
        out += n;
        size -= n;
    }
}

const std::uint8_t* CArchive::Buffered(std::size_t& available)
{
    if (m_bufferPos == m_bufferEnd) {
        FillBuffer();
        if (m_bufferEnd == 0)
            throw CArchiveException(CArchiveException::endOfFile);
    }
    available = m_bufferEnd - m_bufferPos;
    return reinterpret_cast<const std::uint8_t*>(m_buffer.data()) + m_bufferPos;
}

QByteArray CArchive::ReadBytes(std::uint64_t size)
{
    QByteArray bytes;
    std::uint64_t done = 0;
    while (done < size) {
        const std::uint64_t chunk = std::min(size - done, trustedChunk);
        bytes.resize(qsizetype(done + chunk));
        Read(bytes.data() + done, std::size_t(chunk));
        done += chunk;
    }
    return bytes;
}

std::size_t CArchive::PeekInto(std::uint8_t* out, std::size_t size)
{
    if (m_mode != load || m_device.isSequential())
        return 0;
    const std::size_t buffered = std::min(size, m_bufferEnd - m_bufferPos);
    std::memcpy(out, m_buffer.data() + m_bufferPos, buffered);
    if (buffered == size)
        return size;
    const qint64 at = m_device.pos();
    const qint64 got = m_device.read(reinterpret_cast<char*>(out) + buffered, qint64(size - buffered));
    if (got < 0 || !m_device.seek(at))
        throw CFileException(m_device.errorString());
    return buffered + std::size_t(got);
}

void CArchive::Skip(std::size_t size)
{
    const std::size_t buffered = std::min(size, m_bufferEnd - m_bufferPos);
    m_bufferPos += buffered;
    size -= buffered;
    if (size == 0)
        return;
    const qint64 to = m_device.pos() + qint64(size);
    if (m_device.isSequential() || to > m_device.size() || !m_device.seek(to))
        throw CArchiveException(CArchiveException::endOfFile);
}

qint64 CArchive::BytesLeft() const
{
    if (m_mode != load || m_device.isSequential())
        return -1;
    return m_device.size() - m_device.pos() + qint64(m_bufferEnd - m_bufferPos);
}

// ------------------------------------------------------------ counts, strings

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        *this << std::uint16_t(count);
    } else {
        *this << std::uint16_t(0xFFFF) << count;
    }
}

std::uint32_t CArchive::ReadCount()
{
    std::uint16_t word;
    *this >> word;
    if (word != 0xFFFF)
        return word;
    std::uint32_t count;
    *this >> count;
    return count;
}

void CArchive::WriteString(const QByteArray& text)
{
    const std::uint32_t length = std::uint32_t(text.size());
    if (length < 0xFF) {
        *this << std::uint8_t(length);
    } else if (length < 0xFFFE) {
        *this << std::uint8_t(0xFF) << std::uint16_t(length);
    } else {
        *this << std::uint8_t(0xFF) << std::uint16_t(0xFFFF) << length;
    }
    Write(text.constData(), text.size());
}

std::uint64_t CArchive::ReadStringLength(bool& wide)
{
    wide = false;
    std::uint8_t byteLength;
    *this >> byteLength;
    if (byteLength < 0xFF)
        return byteLength;
    std::uint16_t wordLength;
    *this >> wordLength;
    if (wordLength == 0xFFFE) {
        // A string stored in 2-byte characters: its length follows again.
        wide = true;
        *this >> byteLength;
        if (byteLength < 0xFF)
            return byteLength;
        *this >> wordLength;
    }
    if (wordLength < 0xFFFF)
        return wordLength;
    std::uint32_t length;
    *this >> length;
    return length;
}

QByteArray CArchive::ReadString()
{
    bool wide = false;
    const std::uint64_t length = ReadStringLength(wide);
    if (!wide)
        return ReadBytes(length);
    const QByteArray utf16 = ReadBytes(length * 2);
    QString text(utf16.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(std::uint8_t(utf16[2 * i]) | std::uint8_t(utf16[2 * i + 1]) << 8));
    QStringEncoder encoder(m_wideStringCodec.constData());
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}

// ------------------------------------------------------------- object tags

std::uint32_t CArchive::NextStoreIndex()
{
    if (m_storeCount >= maxMapCount)
        throw CArchiveException(CArchiveException::badIndex);
    return m_storeCount++;
}

void CArchive::WriteIndex(std::uint32_t index, bool isClass)
{
    if (index < bigObjectTag) {
        *this << std::uint16_t(isClass ? (classTag | index) : index);
    } else {
        *this << std::uint16_t(bigObjectTag) << std::uint32_t(isClass ? (bigClassTag | index) : index);
    }
}

void CArchive::WriteClass(const CRuntimeClass* runtimeClass)
{
    const auto known = m_storeMap.constFind(runtimeClass);
    if (known != m_storeMap.constEnd()) {
        WriteIndex(*known, true);
        return;
    }
    const QByteArray name(runtimeClass->m_lpszClassName);
    *this << newClassTag << runtimeClass->m_wSchema << std::uint16_t(name.size());
    Write(name.constData(), std::size_t(name.size()));
    m_storeMap.insert(runtimeClass, NextStoreIndex());
}

void CArchive::WriteObject(const CObject* object)
{
    if (!object) {
        *this << nullTag;
        return;
    }
    const auto known = m_storeMap.constFind(object);
    if (known != m_storeMap.constEnd()) {
        WriteIndex(*known, false);
        return;
    }
    WriteClass(object->GetRuntimeClass());
    m_storeMap.insert(object, NextStoreIndex());
    // Serialize takes a non-const archive view of the object: storing does
    // not change it.
    const_cast<CObject*>(object)->Serialize(*this);
}

void CArchive::WriteObjectList(const std::vector<const CObject*>& objects)
{
    WriteCount(std::uint32_t(objects.size()));
    for (const CObject* object : objects)
        WriteObject(object);
}

const CArchive::LoadEntry& CArchive::LoadedEntry(std::uint32_t index) const
{
    if (index >= m_loadMap.size())
        throw CArchiveException(CArchiveException::badIndex);
    return m_loadMap[index];
}

const CRuntimeClass* CArchive::ReadClassRecord(const CRuntimeClass* requested, std::uint16_t& schema)
{
    std::uint16_t nameLength;
    *this >> schema >> nameLength;
    if (nameLength > maxClassNameLength)
        throw CArchiveException(CArchiveException::badClass);
    char name[maxClassNameLength];
    Read(name, nameLength);
    const CRuntimeClass* runtimeClass = m_registry ? m_registry->Find(QByteArray(name, nameLength)) : nullptr;
    if (!runtimeClass || !runtimeClass->m_pfnCreateObject)
        throw CArchiveException(CArchiveException::badClass);
    if (requested && !runtimeClass->IsDerivedFrom(requested))
        throw CArchiveException(CArchiveException::badClass);
    if (schema != runtimeClass->m_wSchema && !runtimeClass->m_bVersionable)
        throw CArchiveException(CArchiveException::badSchema);
    if (m_loadMap.size() >= maxMapCount)
        throw CArchiveException(CArchiveException::badIndex);
    m_loadMap.push_back({runtimeClass, schema, nullptr});
    return runtimeClass;
}

CObject* CArchive::ReadNewObject(const CRuntimeClass* runtimeClass, std::uint16_t schema)
{
    if (m_loadMap.size() >= maxMapCount)
        throw CArchiveException(CArchiveException::badIndex);
    std::unique_ptr<CObject> object(runtimeClass->CreateObject());
    if (!object)
        throw CArchiveException(CArchiveException::badClass);
    // The index is taken before the body, so objects inside it come later.
    const std::size_t index = m_loadMap.size();
    m_loadMap.push_back({nullptr, 0, object.get()});
    const int savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    try {
        object->Serialize(*this);
    } catch (...) {
        m_loadMap[index].object = nullptr;
        m_nObjectSchema = savedSchema;
        throw;
    }
    m_nObjectSchema = savedSchema;
    return object.release();
}

CObject* CArchive::ReadObjectTag(const CRuntimeClass* requested, bool& created)
{
    created = false;
    std::uint16_t word;
    *this >> word;
    if (word == nullTag)
        return nullptr;

    const CRuntimeClass* runtimeClass = nullptr;
    std::uint16_t schema = 0;
    if (word == newClassTag) {
        runtimeClass = ReadClassRecord(requested, schema);
    } else {
        std::uint32_t tag;
        if (word == bigObjectTag)
            *this >> tag;
        else
            tag = (std::uint32_t(word & classTag) << 16) | (word & ~classTag);

        if (!(tag & bigClassTag)) {
            // A reference to an object read before.
            const LoadEntry& entry = LoadedEntry(tag);
            if (tag != 0 && !entry.object)
                throw CArchiveException(CArchiveException::badClass);
            if (entry.object && requested && !entry.object->IsKindOf(requested))
                throw CArchiveException(CArchiveException::badClass);
            return entry.object;
        }
        const std::uint32_t classIndex = tag & ~bigClassTag;
        if (classIndex == 0)
            throw CArchiveException(CArchiveException::badIndex);
        const LoadEntry& entry = LoadedEntry(classIndex);
        if (!entry.runtimeClass)
            throw CArchiveException(CArchiveException::badClass);
        if (requested && !entry.runtimeClass->IsDerivedFrom(requested))
            throw CArchiveException(CArchiveException::badClass);
        runtimeClass = entry.runtimeClass;
        schema = entry.schema;
    }
    created = true;
    return ReadNewObject(runtimeClass, schema);
}

CObject* CArchive::ReadObject(const CRuntimeClass* requested)
{
    bool created = false;
    return ReadObjectTag(requested, created);
}

std::unique_ptr<CObject> CArchive::ReadOwnedObject(const CRuntimeClass* requested)
{
    bool created = false;
    CObject* object = ReadObjectTag(requested, created);
    if (!created)
        throw CArchiveException(CArchiveException::badIndex);
    return std::unique_ptr<CObject>(object);
}

std::vector<std::unique_ptr<CObject>> CArchive::ReadOwnedObjectList(const CRuntimeClass* requested)
{
    std::vector<std::unique_ptr<CObject>> objects;
    const std::uint32_t count = ReadCount();
    for (std::uint32_t i = 0; i < count; ++i)
        objects.push_back(ReadOwnedObject(requested));
    return objects;
}

int CArchive::GetObjectSchema()
{
    const int schema = m_nObjectSchema;
    m_nObjectSchema = -1;
    return schema;
}
