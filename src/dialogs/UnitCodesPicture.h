#pragma once
// The reference card of the condensing unit model codes: an example code with every position
// labelled with the values it can take, drawn in sixteen-colour palette colours.

#include <QImage>
#include <QSize>

inline constexpr QSize UnitCodesPictureSize{600, 380};
inline constexpr const char* UnitCodesTitle = "CONDENSING UNIT PRODUCT CODES";
inline constexpr const char* UnitCodesExample = "OCH-01500-3M4 -5";

QImage UnitCodesPicture();
