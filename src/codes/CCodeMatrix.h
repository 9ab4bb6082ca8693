#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// An encoded code as modules: a grid of dark (set) and light modules, the
// quiet zone each side in modules, and the text a linear code shows under
// its bars.
class CCodeMatrix
{
public:
    CCodeMatrix() = default;
    CCodeMatrix(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsSet(int x, int y) const { return m_modules[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] != 0; }
    void Set(int x, int y) { m_modules[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] = 1; }

    int quiet = 0;
    QString humanText;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint8_t> m_modules;
};
