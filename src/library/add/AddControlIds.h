#pragma once

// The controls of the Add Material, Add Frame and Add Symbol dialogs by
// their control numbers: the widgets carry them as object names, and a
// refused entry names its field by them.
namespace AddControlIds {

inline constexpr int add = 1;           // the OK button, which reads "Add"
inline constexpr int cancel = 2;
inline constexpr int keepAspect = 1003;
inline constexpr int width = 1006;
inline constexpr int height = 1007;
inline constexpr int sizeGroup = 1008;
inline constexpr int preview = 1025;
inline constexpr int transparent = 1028;
inline constexpr int engraveDark = 1029;
inline constexpr int resolution = 1104;
inline constexpr int name = 1138;

} // namespace AddControlIds
