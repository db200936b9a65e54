#pragma once
// "New Quelbox Job": the box temperature that decides between cooler and freezer defaults.

#include "calc/UnitConversion.h"
#include "dialogs/KitDialog.h"

#include <cstdint>
#include <optional>

class IntField;

class TNewJobDialog : public KitDialog {
public:
    explicit TNewJobDialog(int32_t boxTemp, QWidget* parent = nullptr,
                           UnitSystem units = UnitSystem::Imperial);

    int32_t boxTemp() const;

protected:
    void confirm() override;

private:
    IntField* boxTemp_;
};

// The entered box temperature (F, whatever the units it was typed in), or nothing when the dialog
// was cancelled.
std::optional<int32_t> AskBoxTemperature(QWidget* parent, UnitSystem units = UnitSystem::Imperial);
