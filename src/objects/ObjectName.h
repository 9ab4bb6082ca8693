#pragma once

#include <QString>

class CSymbolObj;

// An object's name as text: a text object's name is its text, kept in its
// font's code page; every other name is Western.
namespace ObjectName {

int CharSet(const CSymbolObj& object);
QString Decoded(const CSymbolObj& object);

} // namespace ObjectName
