#include "CCodeDefinition.h"

namespace {

struct KindInfo
{
    CCodeDefinition::Kind kind;
    const char* key;
    const char* title;
};

const KindInfo kindInfo[] = {
    {CCodeDefinition::Kind::dataMatrix, "datamatrix", QT_TRANSLATE_NOOP("CCodeDefinition", "Data Matrix")},
    {CCodeDefinition::Kind::dataMatrixRect, "datamatrix-rect", QT_TRANSLATE_NOOP("CCodeDefinition", "Data Matrix (rectangular)")},
    {CCodeDefinition::Kind::qr, "qr", QT_TRANSLATE_NOOP("CCodeDefinition", "QR Code")},
    {CCodeDefinition::Kind::code128, "code128", QT_TRANSLATE_NOOP("CCodeDefinition", "Code 128")},
    {CCodeDefinition::Kind::gs1DataMatrix, "gs1-datamatrix", QT_TRANSLATE_NOOP("CCodeDefinition", "GS1 DataMatrix")},
    {CCodeDefinition::Kind::gs1_128, "gs1-128", QT_TRANSLATE_NOOP("CCodeDefinition", "GS1-128")},
};

const KindInfo& InfoOf(CCodeDefinition::Kind kind)
{
    for (const KindInfo& info : kindInfo)
        if (info.kind == kind)
            return info;
    return kindInfo[0];
}

QByteArray Escaped(const QByteArray& bytes)
{
    QByteArray out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '%')
            out += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

std::optional<QByteArray> Unescaped(const QByteArray& text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        bool ok = false;
        const int byte = text.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || i + 2 >= text.size())
            return std::nullopt;
        out += char(byte);
        i += 2;
    }
    return out;
}

} // namespace

const QList<CCodeDefinition::Kind>& CCodeDefinition::Kinds()
{
    static const QList<Kind> kinds{Kind::dataMatrix, Kind::dataMatrixRect, Kind::qr,
                                   Kind::code128,    Kind::gs1DataMatrix,  Kind::gs1_128};
    return kinds;
}

QString CCodeDefinition::Key(Kind kind)
{
    return QString::fromLatin1(InfoOf(kind).key);
}

std::optional<CCodeDefinition::Kind> CCodeDefinition::KindOf(const QString& key)
{
    for (const KindInfo& info : kindInfo)
        if (key == QLatin1String(info.key))
            return info.kind;
    return std::nullopt;
}

QString CCodeDefinition::Title(Kind kind)
{
    return tr(InfoOf(kind).title);
}

int CCodeDefinition::QuietModules() const
{
    if (!quietZone)
        return 0;
    switch (kind) {
    case Kind::qr: return 4;
    case Kind::code128:
    case Kind::gs1_128: return 10;
    default: return 1;
    }
}

QByteArray CCodeDefinition::ToName() const
{
    QByteArray flags;
    if (quietZone)
        flags += 'q';
    if (humanText)
        flags += 't';
    if (!modulesWhite)
        flags += 'b';
    return QByteArray(namePrefix) + InfoOf(kind).key + '/' + QByteArray(1, char(ecc.toLatin1())) + '/' + flags + '/'
           + QByteArray::number(moduleMicrons) + '/' + Escaped(data.toUtf8());
}

std::optional<CCodeDefinition> CCodeDefinition::FromName(const QByteArray& name)
{
    if (!IsCodeName(name))
        return std::nullopt;
    // The data is the rest after the fifth "/": it may hold "/" itself.
    QList<QByteArray> head;
    qsizetype at = 0;
    while (head.size() < 5) {
        const qsizetype slash = name.indexOf('/', at);
        if (slash < 0)
            return std::nullopt;
        head << name.mid(at, slash - at);
        at = slash + 1;
    }
    const std::optional<Kind> kind = KindOf(QString::fromLatin1(head[1]));
    const std::optional<QByteArray> data = Unescaped(name.mid(at));
    bool moduleOk = false;
    const int microns = head[4].toInt(&moduleOk);
    if (!kind || head[2].size() != 1 || !QByteArray("LMQH").contains(head[2][0]) || !data || !moduleOk
        || microns <= 0 || microns > maximumModuleMicrons)
        return std::nullopt;
    for (const char flag : head[3])
        if (flag != 'q' && flag != 't' && flag != 'b')
            return std::nullopt;
    CCodeDefinition definition;
    definition.kind = *kind;
    definition.ecc = QLatin1Char(head[2][0]);
    definition.quietZone = head[3].contains('q');
    definition.humanText = head[3].contains('t');
    definition.modulesWhite = !head[3].contains('b');
    definition.moduleMicrons = microns;
    definition.data = QString::fromUtf8(*data);
    return definition;
}

QString CCodeDefinition::Caption() const
{
    return tr("%1: %2").arg(Title(kind), data);
}
