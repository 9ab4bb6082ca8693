#include "CSaneOptions.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr int usualResolutions[] = {75, 100, 150, 200, 300, 600, 1200};

double FromWord(SANE_Word word, SANE_Value_Type type)
{
    return type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

SANE_Word ToWord(double value, SANE_Value_Type type)
{
    return type == SANE_TYPE_FIXED ? SANE_FIX(value) : SANE_Word(std::lround(value));
}

bool IsNumber(const SANE_Option_Descriptor* descriptor)
{
    return descriptor->type == SANE_TYPE_INT || descriptor->type == SANE_TYPE_FIXED;
}

// The low and high ends an area option allows.
bool RangeOf(const SANE_Option_Descriptor* descriptor, double* low, double* high)
{
    if (descriptor->constraint_type != SANE_CONSTRAINT_RANGE || descriptor->unit != SANE_UNIT_MM)
        return false;
    *low = FromWord(descriptor->constraint.range->min, descriptor->type);
    *high = FromWord(descriptor->constraint.range->max, descriptor->type);
    return *low <= *high;
}

} // namespace

SANE_Int CSaneOptions::Find(const char* name, const SANE_Option_Descriptor** descriptor) const
{
    // Option 0 holds how many options there are.
    SANE_Int count = 0;
    if (sane_control_option(m_handle, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return -1;
    for (SANE_Int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* option = sane_get_option_descriptor(m_handle, i);
        if (!option)
            return -1;
        if (option->name && std::strcmp(option->name, name) == 0) {
            if (!SANE_OPTION_IS_ACTIVE(option->cap))
                return -1;
            *descriptor = option;
            return i;
        }
    }
    return -1;
}

bool CSaneOptions::ReadNumber(const char* name, double* value) const
{
    const SANE_Option_Descriptor* descriptor = nullptr;
    const SANE_Int index = Find(name, &descriptor);
    if (index < 0 || !IsNumber(descriptor) || descriptor->size != SANE_Int(sizeof(SANE_Word)))
        return false;
    SANE_Word word = 0;
    if (sane_control_option(m_handle, index, SANE_ACTION_GET_VALUE, &word, nullptr) != SANE_STATUS_GOOD)
        return false;
    *value = FromWord(word, descriptor->type);
    return true;
}

bool CSaneOptions::WriteNumber(const char* name, double value) const
{
    const SANE_Option_Descriptor* descriptor = nullptr;
    const SANE_Int index = Find(name, &descriptor);
    if (index < 0 || !IsNumber(descriptor) || !SANE_OPTION_IS_SETTABLE(descriptor->cap))
        return false;
    SANE_Word word = ToWord(value, descriptor->type);
    return sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, &word, nullptr) == SANE_STATUS_GOOD;
}

bool CSaneOptions::WriteString(const char* name, const QString& value) const
{
    const SANE_Option_Descriptor* descriptor = nullptr;
    const SANE_Int index = Find(name, &descriptor);
    if (index < 0 || descriptor->type != SANE_TYPE_STRING || !SANE_OPTION_IS_SETTABLE(descriptor->cap))
        return false;
    const QByteArray bytes = value.toUtf8();
    if (bytes.size() >= descriptor->size)
        return false;
    std::vector<char> buffer(std::size_t(descriptor->size), '\0');
    std::memcpy(buffer.data(), bytes.constData(), std::size_t(bytes.size()));
    return sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, buffer.data(), nullptr) == SANE_STATUS_GOOD;
}

QList<int> CSaneOptions::Resolutions() const
{
    const SANE_Option_Descriptor* descriptor = nullptr;
    if (Find(SANE_NAME_SCAN_RESOLUTION, &descriptor) < 0 || !IsNumber(descriptor))
        return {};
    QList<int> values;
    if (descriptor->constraint_type == SANE_CONSTRAINT_WORD_LIST) {
        const SANE_Word* list = descriptor->constraint.word_list;
        for (SANE_Word i = 1; i <= list[0]; ++i)
            values.append(int(std::lround(FromWord(list[i], descriptor->type))));
    } else if (descriptor->constraint_type == SANE_CONSTRAINT_RANGE) {
        const int low = int(std::lround(FromWord(descriptor->constraint.range->min, descriptor->type)));
        const int high = int(std::lround(FromWord(descriptor->constraint.range->max, descriptor->type)));
        values = {low, high};
        for (int dpi : usualResolutions) {
            if (dpi > low && dpi < high)
                values.append(dpi);
        }
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    values.removeIf([](int dpi) { return dpi <= 0; });
    return values;
}

QStringList CSaneOptions::Modes() const
{
    const SANE_Option_Descriptor* descriptor = nullptr;
    if (Find(SANE_NAME_SCAN_MODE, &descriptor) < 0 || descriptor->type != SANE_TYPE_STRING
        || descriptor->constraint_type != SANE_CONSTRAINT_STRING_LIST)
        return {};
    QStringList modes;
    for (const SANE_String_Const* mode = descriptor->constraint.string_list; *mode; ++mode)
        modes.append(QString::fromUtf8(*mode));
    return modes;
}

QRectF CSaneOptions::AreaLimits() const
{
    const char* names[] = {SANE_NAME_SCAN_TL_X, SANE_NAME_SCAN_TL_Y, SANE_NAME_SCAN_BR_X, SANE_NAME_SCAN_BR_Y};
    double low[4], high[4];
    for (int i = 0; i < 4; ++i) {
        const SANE_Option_Descriptor* descriptor = nullptr;
        if (Find(names[i], &descriptor) < 0 || !IsNumber(descriptor) || !RangeOf(descriptor, &low[i], &high[i]))
            return {};
    }
    return QRectF(QPointF(low[0], low[1]), QPointF(high[2], high[3]));
}

ScanCapabilities CSaneOptions::Capabilities() const
{
    ScanCapabilities capabilities;
    capabilities.resolutions = Resolutions();
    capabilities.defaultResolution = Resolution();
    capabilities.modes = Modes();
    const SANE_Option_Descriptor* descriptor = nullptr;
    const SANE_Int index = Find(SANE_NAME_SCAN_MODE, &descriptor);
    if (index >= 0 && descriptor->type == SANE_TYPE_STRING && descriptor->size > 0) {
        std::vector<char> buffer(std::size_t(descriptor->size) + 1, '\0');
        if (sane_control_option(m_handle, index, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) == SANE_STATUS_GOOD)
            capabilities.defaultMode = QString::fromUtf8(buffer.data());
    }
    capabilities.areaMm = AreaLimits();
    return capabilities;
}

int CSaneOptions::Resolution() const
{
    double dpi = 0;
    return ReadNumber(SANE_NAME_SCAN_RESOLUTION, &dpi) ? int(std::lround(dpi)) : 0;
}

bool CSaneOptions::ApplyArea(const QRectF& areaMm) const
{
    const QRectF limits = AreaLimits();
    if (limits.isEmpty())
        return false;
    const QRectF area = areaMm.normalized().intersected(limits);
    if (area.isEmpty())
        return false;
    // The corner goes to the device's origin first so that no step leaves
    // the top-left below or right of the bottom-right.
    return WriteNumber(SANE_NAME_SCAN_TL_X, limits.left()) && WriteNumber(SANE_NAME_SCAN_TL_Y, limits.top())
        && WriteNumber(SANE_NAME_SCAN_BR_X, area.right()) && WriteNumber(SANE_NAME_SCAN_BR_Y, area.bottom())
        && WriteNumber(SANE_NAME_SCAN_TL_X, area.left()) && WriteNumber(SANE_NAME_SCAN_TL_Y, area.top());
}

bool CSaneOptions::Apply(const ScanOptions& options, QString* error) const
{
    QString problem;
    if (!options.mode.isEmpty() && (!Modes().contains(options.mode) || !WriteString(SANE_NAME_SCAN_MODE, options.mode)))
        problem = tr("The scanner cannot scan in the mode \"%1\".").arg(options.mode);
    else if (options.resolution > 0 && !WriteNumber(SANE_NAME_SCAN_RESOLUTION, options.resolution))
        problem = tr("The scanner cannot scan at %1 dpi.").arg(options.resolution);
    else if (!options.areaMm.isEmpty() && !ApplyArea(options.areaMm))
        problem = tr("The scanner cannot scan the chosen area.");
    if (problem.isEmpty())
        return true;
    if (error)
        *error = problem;
    return false;
}
