#include "job/Defaults.h"

#include "job/FixedText.h"

TDefaults BuiltInDefaults() {
    TDefaults d{};
    SetPadded(d.coolerWallName, "Polystyrene,molded", 26);
    d.coolerWallFactor = 0.2;
    d.coolerWallKind = 'K';
    d.coolerWallInches = 3.5;
    d.coolerAdjacentTemp = 90;
    d.coolerInsulationIndex = 0;
    SetPadded(d.freezerWallName, "Polystyrene,molded", 26);
    d.freezerWallFactor = 0.2;
    d.freezerWallKind = 'K';
    d.freezerWallInches = 4.0;
    d.freezerAdjacentTemp = 90;
    d.freezerInsulationIndex = 0;
    d.defaultAmbient = 90;
    d.designRelHum = 60;
    d.defaultBoxRelHum = 90;
    return d;
}
