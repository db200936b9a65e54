// Shows one input dialog of the program over the main window for screenshots under Xvfb.
// Usage: show_input_dialog product|insulation|velocity|maintenance|sun|user|glass|latent JOB
#include "app/KelvoFrame.h"
#include "calc/Totals.h"
#include "dialogs/InfiltrationDialogs.h"
#include "dialogs/InsulModifyDialog.h"
#include "dialogs/InsulTabDialog.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/ProductDialog.h"
#include "dialogs/SunDialog.h"
#include "tables/InsulationTable.h"
#include "tables/ShippedTables.h"

#include <QApplication>
#include <QScreen>

#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quelbox"));
    if (argc < 3)
        return 1;
    const std::string which = argv[1];
    AppState state;
    StartUp(state, ShippedTableFolders());
    KelvoFrame frame(state);
    frame.resize(QGuiApplication::primaryScreen()->availableGeometry().size());
    frame.show();
    frame.openAtStart(argv[2]);
    JobImage& image = state.job.image;
    Table& insul = *state.tables.get(ReferenceTable::Insul);
    Table& product = *state.tables.get(ReferenceTable::Product);
    std::unique_ptr<InsulationMaintenance> maintenance;
    std::unique_ptr<QDialog> dialog;
    if (which == "product") {
        TProductPage pages[ProductSlotCount];
        for (int p = 0; p < ProductSlotCount; ++p) {
            LocateProductSlot(product, image.products[p]);
            pages[p] = PageOfSlot(image.products[p]);
        }
        dialog = std::make_unique<TProductDialog>(product, pages, ' ', 2160, &frame);
    } else if (which == "insulation") {
        SurfaceChoice choices[SurfaceCount];
        for (int s = 0; s < SurfaceCount; ++s)
            choices[s] = {image.surfaces[s].insulationRow, image.surfaces[s].thickness,
                          image.surfaces[s].adjacentTemp};
        dialog = std::make_unique<TInsulTab>(InsulationListRows(insul), choices, &frame);
    } else if (which == "velocity") {
        dialog = std::make_unique<TAirVelocityDialog>(image.airVelocityEntry, &frame);
    } else if (which == "maintenance") {
        maintenance = std::make_unique<InsulationMaintenance>(insul);
        maintenance->ToggleDeleted(1);
        dialog = std::make_unique<TInsulModifyDialog>(*maintenance, &frame);
    } else if (which == "sun") {
        dialog = std::make_unique<TSunDialog>(image.sun, &frame);
    } else if (which == "user") {
        dialog = std::make_unique<TUserDialog>(image.userLoad, &frame);
    } else if (which == "glass") {
        dialog = std::make_unique<TGlassDialog>(image.glassDoors, &frame);
    } else if (which == "latent") {
        dialog = std::make_unique<TLatentDialog>(image.latent, &frame);
    } else {
        return 1;
    }
    dialog->show();
    return QApplication::exec();
}
