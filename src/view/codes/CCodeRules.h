#pragma once

#include "codes/CCodeMatrix.h"
#include "codes/CCodeSpec.h"

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
    // The modules of a spec as the layout will show them, or why not.
    using Encoder = std::function<std::optional<CCodeMatrix>(const CCodeSpec& spec, QString* error)>;

    CCodeRules(const CCodeSpec& spec, int dpi, int unit, Encoder encoder);

    const CCodeSpec& Spec() const { return m_spec; }
    void SetKind(CCodeSpec::Kind kind) { m_spec.kind = kind; }
    void SetData(const QString& data) { m_spec.data = data; }
    void SetEcc(QChar ecc) { m_spec.ecc = ecc; }
    void SetQuietZone(bool on) { m_spec.quietZone = on; }
    void SetHumanText(bool on) { m_spec.humanText = on; }
    void SetModulesWhite(bool white) { m_spec.modulesWhite = white; }

    // The module size as the field shows it ("0.250" mm, "0.0098" inch).
    QString ModuleText() const;
    // False, changing nothing, for text that is no positive number.
    bool SetModuleText(const QString& text);
    QString UnitName() const;

    bool EccEnabled() const { return m_spec.HasEcc(); }
    bool HumanTextEnabled() const { return m_spec.IsLinear(); }

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

    CCodeSpec m_spec;
    int m_nDpi;
    bool m_bInch;
    Encoder m_encoder;
};
