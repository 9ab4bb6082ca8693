#pragma once

#include "view/controls/CBaseDlg.h"

#include <functional>

class QLineEdit;

// A dialog that refuses to close while a typed field is unusable: it says
// why and puts the user back into that field.
class CCheckedFieldsDlg : public CBaseDlg
{
    Q_OBJECT

public:
    using CBaseDlg::CBaseDlg;

    // Where refusals are told; a message box unless something else listens
    // (tests collect them instead of waiting on a box).
    void SetRefusalSink(std::function<void(const QString&)> sink) { m_refusalSink = std::move(sink); }

protected:
    void Refuse(QLineEdit* field, const QString& message);

private:
    std::function<void(const QString&)> m_refusalSink;
};
