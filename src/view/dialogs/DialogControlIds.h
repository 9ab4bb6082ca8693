#pragma once

// The fields of the object dialogs by their control numbers: the widgets
// carry them as object names, and a refused entry names its field by them.
namespace DialogControlIds {

inline constexpr int keepAspect = 1004;
inline constexpr int width = 1006;       // the fan's span in the Fan Text dialog
inline constexpr int height = 1007;
inline constexpr int sizeGroup = 1008;   // the fan's radius in the Fan Text dialog
inline constexpr int radius = 1008;
inline constexpr int positionGroup = 1009;
inline constexpr int antialias = 1017;
inline constexpr int drawEdge = 1018;
inline constexpr int thickEdge = 1019;
inline constexpr int fillBackground = 1020;
inline constexpr int positionX = 1022;
inline constexpr int positionY = 1023;
inline constexpr int preview = 1026;
inline constexpr int changeFont = 1029;
inline constexpr int edgeColor = 1033;
inline constexpr int backColor = 1036;
inline constexpr int fontColor = 1039;
inline constexpr int text = 1120;
inline constexpr int angle = 1158;
inline constexpr int invertText = 1159;
inline constexpr int rotateText = 1160;
inline constexpr int fontName = 1161;
inline constexpr int rotationIcon = 1166;
inline constexpr int marginX = 1174;
inline constexpr int marginY = 1175;

} // namespace DialogControlIds
