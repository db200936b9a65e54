#include "dialogs/SunDialog.h"

#include "calc/InputEdits.h"
#include "dialogs/DialogHooks.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

TSunDialog::TSunDialog(const TSunChoices& choices, QWidget* parent)
    : FieldsDialog(QStringLiteral("TSunDialog"), QStringLiteral("Allowance for Sun Effect"),
                   parent) {
    const QString headings[SunGroupCount] = {QStringLiteral("&South"), QStringLiteral("&East"),
                                             QStringLiteral("&West"), QStringLiteral("&Roof")};
    const QString captions[SunGroupCount] = {QStringLiteral("Wall 2"), QStringLiteral("Wall 3"),
                                             QStringLiteral("Wall 4"), QStringLiteral("Ceiling")};
    const char* const prefixes[SunGroupCount] = {"south", "east", "west", "roof"};
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int g = 0; g < SunGroupCount; ++g) {
        const QString prefix = QLatin1String(prefixes[g]);
        groups_[g] =
            RadioGroup(headings[g],
                       {QStringLiteral("None  "), QStringLiteral("Dark  "),
                        QStringLiteral("Medium"), QStringLiteral("Light ")},
                       {prefix + QStringLiteral("None"), prefix + QStringLiteral("Dark"),
                        prefix + QStringLiteral("Medium"), prefix + QStringLiteral("Light")},
                       {choices.flags[g][SunNone], choices.flags[g][SunDark],
                        choices.flags[g][SunMedium], choices.flags[g][SunLight]},
                       row);
        groups_[g]->setObjectName(prefix);
        grid->addWidget(new QLabel(captions[g], row), 0, g, Qt::AlignHCenter);
        grid->addWidget(groups_[g], 1, g);
    }
    addWidget(row);
    finish(false);
}

TSunChoices TSunDialog::choices() const {
    TSunChoices c{};
    for (int g = 0; g < SunGroupCount; ++g) {
        const std::vector<uint16_t> flags = RadioFlags(groups_[g]);
        for (int k = 0; k < SunChoiceCount; ++k)
            c.flags[g][k] = static_cast<int16_t>(flags.at(static_cast<std::size_t>(k)));
    }
    return c;
}

bool RunSunDialog(JobImage& image, QWidget* parent) {
    TSunDialog dialog(image.sun, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    return StoreSunChoices(image, dialog.choices());
}
