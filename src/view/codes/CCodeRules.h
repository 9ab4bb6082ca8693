#pragma once

#include "codes/CCodeMatrix.h"
#include "codes/CCodeDefinition.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

// The Code dialog's rules: the module size in the user's unit, which
// choices each kind has, and what the code comes to (its modules, its
// size in millimetres and modules, the module size actually used) or why
// it cannot be made.
class CCodeRules
{
    Q_DECLARE_TR_FUNCTIONS(CCodeRules)

public:
    // The modules of a definition as the layout will show them, or why not.
    using Encoder = std::function<std::optional<CCodeMatrix>(const CCodeDefinition& definition, QString* error)>;

    CCodeRules(const CCodeDefinition& definition, int dpi, int unit, Encoder encoder);

    const CCodeDefinition& Definition() const { return m_definition; }
    void SetKind(CCodeDefinition::Kind kind) { m_definition.kind = kind; }
    void SetData(const QString& data) { m_definition.data = data; }
    void SetEcc(QChar ecc) { m_definition.ecc = ecc; }
    void SetQuietZone(bool on) { m_definition.quietZone = on; }
    void SetHumanText(bool on) { m_definition.humanText = on; }
    void SetModulesWhite(bool white) { m_definition.modulesWhite = white; }

    // The module size as the field shows it ("0.250" mm, "0.0098" inch).
    QString ModuleText() const;
    // False, changing nothing, for text that is no positive number.
    bool SetModuleText(const QString& text);
    QString UnitName() const;

    bool EccEnabled() const { return m_definition.HasEcc(); }
    bool HumanTextEnabled() const { return m_definition.IsLinear(); }

    struct Outcome
    {
        std::optional<CCodeMatrix> matrix;
        int moduleDots = 0;
        // Why there is no code, or its size: "12.48 x 12.48 mm, 26 x 26
        // modules; module 0.240 mm (5 dots)".
        QString text;
    };
    Outcome Check() const;
    // Empty when the module size snaps to enough dots; otherwise why not.
    QString ModuleProblem() const;

private:
    double ModuleInUnit() const;

    CCodeDefinition m_definition;
    int m_nDpi;
    bool m_bInch;
    Encoder m_encoder;
};
