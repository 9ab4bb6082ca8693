#include "CCodeMatrix.h"

CCodeMatrix::CCodeMatrix(int width, int height)
    : m_width(width)
    , m_height(height)
    , m_modules(std::size_t(width) * std::size_t(height), 0)
{
}
