#pragma once

#include "CArchiveException.h"
#include "CObject.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

class QIODevice;
class CClassRegistry;
class CDocumentContext;

// The byte encoding of every stream the program keeps: documents, symbol
// files, undo records and the private clipboard format. Little-endian
// primitives, length-prefixed strings, variable-length counts and the object
// tag scheme in which each class is written once per stream and later
// objects refer back to it by index.
//
// The archive buffers its device; a storing archive must be flushed (Flush
// or Close) before its bytes are complete. Errors leave as CArchiveException
// (the stream is not what it should be) or CFileException (the device failed).
class CArchive
{
public:
    enum Mode { store, load };

    // Index space limits of the tag scheme.
    static constexpr std::uint16_t nullTag = 0x0000;
    static constexpr std::uint16_t newClassTag = 0xFFFF;
    static constexpr std::uint16_t classTag = 0x8000;
    static constexpr std::uint16_t bigObjectTag = 0x7FFF;
    static constexpr std::uint32_t bigClassTag = 0x80000000u;
    static constexpr std::uint32_t maxMapCount = 0x3FFFFFFE;
    static constexpr int maxClassNameLength = 63;

    // registry: the classes a loading archive may create; storing needs none.
    CArchive(QIODevice& device, Mode mode, const CClassRegistry* registry = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // The document whose objects are being read or written, if any.
    CDocumentContext* m_pDocument = nullptr;

    // Code page that a string stored in 2-byte characters is narrowed to.
    QByteArray m_wideStringCodec = "windows-1252";

    // Raw bytes. Read throws endOfFile when the stream ends first.
    void Write(const void* data, std::size_t size);
    void Read(void* data, std::size_t size);
    // Reads size bytes without trusting size for the allocation: memory grows
    // with the bytes that actually arrive.
    QByteArray ReadBytes(std::uint64_t size);
    // Direct access to the bytes a loading archive has buffered, for
    // decoders that consume many small pieces: at least one byte (else
    // endOfFile), then Consume what was used.
    const std::uint8_t* Buffered(std::size_t& available);
    void Consume(std::size_t count) { m_bufferPos += count; }

    // Bytes left in a seekable stream, or -1 when that cannot be known.
    qint64 BytesLeft() const;
    // Copies up to size of the bytes that follow into out, without moving
    // on (the stream is read ahead and sought back); returns how many there
    // were, none for a stream that cannot seek.
    std::size_t PeekInto(std::uint8_t* out, std::size_t size);
    // Moves on by size bytes, which must be in the stream (else endOfFile).
    void Skip(std::size_t size);

    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>
    CArchive& operator<<(T value)
    {
        unsigned char bytes[sizeof(T)];
        EncodeLittleEndian(value, bytes);
        Write(bytes, sizeof(T));
        return *this;
    }
    template <class T, class = std::enable_if_t<std::is_arithmetic_v<T>>>
    CArchive& operator>>(T& value)
    {
        unsigned char bytes[sizeof(T)];
        Read(bytes, sizeof(T));
        value = DecodeLittleEndian<T>(bytes);
        return *this;
    }

    void WriteCount(std::uint32_t count);
    std::uint32_t ReadCount();

    // Strings are bytes in the document's code page.
    void WriteString(const QByteArray& text);
    QByteArray ReadString();

    void WriteObject(const CObject* object);
    // Reads an object (new or a reference to one already read). A new object
    // belongs to the caller; requested (or null) is the kind it must be.
    CObject* ReadObject(const CRuntimeClass* requested);

    // Reads an object the caller will own: null or a reference to an object
    // read before is refused (badIndex), as owning it would own it twice.
    std::unique_ptr<CObject> ReadOwnedObject(const CRuntimeClass* requested);

    // The list form: a Count, then each element as an object.
    void WriteObjectList(const std::vector<const CObject*>& objects);
    // Reads a list whose elements the caller will own (each as ReadOwnedObject).
    std::vector<std::unique_ptr<CObject>> ReadOwnedObjectList(const CRuntimeClass* requested);

    // The schema stored for the object being loaded: returned once, then -1.
    int GetObjectSchema();
    void SetObjectSchema(int schema) { m_nObjectSchema = schema; }

    void Flush();
    void Close() { Flush(); }

    template <class T>
    static void EncodeLittleEndian(T value, unsigned char* bytes)
    {
        using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>,
            std::conditional_t<sizeof(T) == 8, std::int64_t, std::int32_t>, T>>;
        U bits;
        std::memcpy(&bits, &value, sizeof(T));
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    template <class T>
    static T DecodeLittleEndian(const unsigned char* bytes)
    {
        using U = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>,
            std::conditional_t<sizeof(T) == 8, std::int64_t, std::int32_t>, T>>;
        U bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits |= U(bytes[i]) << (8 * i);
        T value;
        std::memcpy(&value, &bits, sizeof(T));
        return value;
    }

private:
    struct LoadEntry
    {
        const CRuntimeClass* runtimeClass = nullptr; // set for a class entry
        std::uint16_t schema = 0;                    // its stored schema
        CObject* object = nullptr;                   // set for an object entry
    };

    CObject* ReadObjectTag(const CRuntimeClass* requested, bool& created);
    const CRuntimeClass* ReadClassRecord(const CRuntimeClass* requested, std::uint16_t& schema);
    const LoadEntry& LoadedEntry(std::uint32_t index) const;
    CObject* ReadNewObject(const CRuntimeClass* runtimeClass, std::uint16_t schema);
    void WriteClass(const CRuntimeClass* runtimeClass);
    void WriteIndex(std::uint32_t index, bool isClass);
    std::uint32_t NextStoreIndex();
    std::uint64_t ReadStringLength(bool& wide);
    void FillBuffer();

    QIODevice& m_device;
    Mode m_mode;
    const CClassRegistry* m_registry;
    int m_nObjectSchema = -1;

    std::vector<char> m_buffer;
    std::size_t m_bufferPos = 0;  // next byte to read / next free byte when storing
    std::size_t m_bufferEnd = 0;  // bytes valid when loading

    QHash<const void*, std::uint32_t> m_storeMap; // classes and objects written
    std::uint32_t m_storeCount = 1;               // index 0 is the null object
    std::vector<LoadEntry> m_loadMap;             // index 0 is the null object
};
