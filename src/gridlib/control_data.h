#pragma once

#include "grid_types.h"

#include <QByteArray>

class QCheckBox;
class QWidget;

// Cell data in and out of a grid column's control, by the column's type.

TGColumnType ClassifyControl(const QWidget* control);

// Puts the data in the control without marking it modified.
void SetControlData(QWidget* control, const QByteArray& data);
QByteArray GetControlData(const QWidget* control);
// Empties the control: no text, no selection, a check box undetermined.
void EmptyControl(QWidget* control);

// Check box data: 2 bytes, little-endian: 0 unchecked, 1 checked, 2 undetermined.
QByteArray CheckStateData(int state);
int CheckStateFromData(const QByteArray& data); // 2 for data of the wrong size or value

// Remembers whether a check box column's control is a two- or a three-state box, so that the
// undetermined state of an empty or undetermined cell does not turn a two-state box into a
// three-state one. Called when the control becomes a column.
void KeepCheckBoxKind(QCheckBox* check);
// After the user changed a check box: a two-state box that has left the undetermined state of
// its cell goes back to two states.
void SettleCheckBox(QCheckBox* check);
