#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// What a code on the plate is: its kind, its data as the user typed it
// (fields included), and how it looks. It travels in the picture's name,
// the one text field every reader of layouts keeps (see ToName).
class CCodeDefinition
{
    Q_DECLARE_TR_FUNCTIONS(CCodeDefinition)

public:
    enum class Kind { dataMatrix, dataMatrixRect, qr, code128, gs1DataMatrix, gs1_128 };

    Kind kind = Kind::dataMatrix;
    QString data;
    // QR's error correction: L, M, Q or H. Other kinds ignore it.
    QChar ecc = QLatin1Char('M');
    bool quietZone = true;
    // The data written under a linear code.
    bool humanText = true;
    // Modules engrave white (the engraved colour on the black plate) on a
    // black ground, or black on a white ground.
    bool modulesWhite = true;
    // The module size asked for, in micrometres; each module takes the
    // whole dots nearest to it at the layout's resolution (CModuleSize).
    int moduleMicrons = 500;

    static const QList<Kind>& Kinds();
    // The tool's word for a kind ("datamatrix", "qr", ...).
    static QString Key(Kind kind);
    static std::optional<Kind> KindOf(const QString& key);
    // The kind's name for the user.
    static QString Title(Kind kind);

    bool IsLinear() const { return kind == Kind::code128 || kind == Kind::gs1_128; }
    bool IsGs1() const { return kind == Kind::gs1DataMatrix || kind == Kind::gs1_128; }
    bool HasEcc() const { return kind == Kind::qr; }
    // Modules of quiet zone on each side when it is on: what each kind's
    // standard asks for.
    int QuietModules() const;

    // "code/KIND/ECC/FLAGS/MODULE/DATA", the data UTF-8 with control bytes, bytes
    // past ASCII and "%" written as %XX. No picture from a file or library
    // has a "/" in its name (file names cannot hold one), so a name of this
    // form is always one of ours.
    QByteArray ToName() const;
    static std::optional<CCodeDefinition> FromName(const QByteArray& name);
    static bool IsCodeName(const QByteArray& name) { return name.startsWith(namePrefix); }
    // "Data Matrix: ABC-{serial:0001}", for lists.
    QString Caption() const;

    bool operator==(const CCodeDefinition&) const = default;

    // A module of 10 mm is as large as any plate takes.
    static constexpr int maximumModuleMicrons = 10000;

private:
    static constexpr const char* namePrefix = "code/";
};
