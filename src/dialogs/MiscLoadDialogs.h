#pragma once
// "Glass Display Doors", "User Load" and "Latent Heat - Exclusion".

#include "dialogs/FieldsDialog.h"
#include "job/JobImage.h"

class CalcEdit;
class QLineEdit;

class TGlassDialog : public FieldsDialog {
public:
    TGlassDialog(const TGlassDoors& doors, QWidget* parent = nullptr,
                 UnitSystem units = UnitSystem::Imperial);
    // The transfer record: the four numbers and the usage flags; the rest as opened.
    TGlassDoors doors() const;

private:
    TGlassDoors opened_;
    IntField* count_;
    IntField* adjacent_;
    IntField* height_;
    IntField* width_;
    QGroupBox* usage_;
};

class TUserDialog : public FieldsDialog {
public:
    TUserDialog(const TUserLoad& load, QWidget* parent = nullptr,
                UnitSystem units = UnitSystem::Imperial);
    TUserLoad load() const;

private:
    TUserLoad opened_;
    QLineEdit* description_;
    CalcEdit* load_;
};

class TLatentDialog : public FieldsDialog {
public:
    TLatentDialog(const TLatentRange& range, QWidget* parent = nullptr,
                  UnitSystem units = UnitSystem::Imperial);
    TLatentRange range() const;

private:
    QGroupBox* choices_;
};

// True when OK was pressed and the transfer record changed.
bool RunGlassDoorDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
// True when OK was pressed and the block changed; OK also sets userLoadEntered.
bool RunUserLoadDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
// True after OK, also without a change.
bool RunLatentDialog(JobImage& image, QWidget* parent, UnitSystem units = UnitSystem::Imperial);
