#include "demo_window.h"

#include "delivery_grid.h"
#include "language.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

std::vector<Delivery> SampleDeliveries() {
    const QStringList& carriers = DeliveryGrid::Carriers();
    return {
        {"Condensing unit 1.5 HP", 2, 1849.50, IntlDate(12, 3, 2024), TGTime(8, 30, 0, 0), true,
         carriers[0]},
        {"Evaporator coil, low profile", 4, 612.00, IntlDate(12, 3, 2024), TGTime(8, 30, 0, 0),
         true, carriers[0]},
        {"Insulated panel 4 in", 36, 148.75, IntlDate(14, 3, 2024), TGTime(10, 0, 0, 0), false,
         carriers[1]},
        {"Glass display door", 6, 935.00, IntlDate(18, 3, 2024), TGTime(13, 15, 0, 0), false,
         carriers[1]},
        {"Thermostat and defrost timer", 3, 89.90, IntlDate(19, 3, 2024), TGTime(9, 0, 0, 0), true,
         carriers[2]},
        {"Door heater kit", 2, 54.20, IntlDate(19, 3, 2024), TGTime(9, 0, 0, 0), false,
         carriers[2]},
        {"Refrigerant R-448A, 25 lb", 5, 310.00, IntlDate(21, 3, 2024), TGTime(15, 45, 0, 0), false,
         carriers[3]},
        {"Strip curtain", 1, 265.00, IntlDate(25, 3, 2024), TGTime(11, 0, 0, 0), true, carriers[0]},
    };
}

struct LanguageChoice {
    int32_t base;
    const char* name;
};

constexpr LanguageChoice languages[] = {
    {idEnglish, "English"}, {idDutch, "Nederlands"}, {idFrench, "Français"},
    {idGerman, "Deutsch"},  {idItalian, "Italiano"}, {idPortuguese, "Português"},
    {idSpanish, "Español"},
};

} // namespace

DemoWindow::DemoWindow() : deliveries(SampleDeliveries()) {
    setWindowTitle("cellix-demo: deliveries");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    grid = new DeliveryGrid(central, deliveries);
    layout->addWidget(grid);
    setCentralWidget(central);
    status = new QLabel(this);
    statusBar()->addWidget(status);
    BuildMenus();
    SwitchLanguage(GetLanguage().Current());
    resize(900, 380);
    grid->Go(2);
    grid->SelectLine(2);
    grid->SelectLine(3, slAdd);
    grid->setFocus();
}

void DemoWindow::BuildMenus() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    const auto key = [this](int keyCode, Qt::KeyboardModifiers modifiers) {
        grid->setFocus();
        grid->KeyDown(keyCode, modifiers);
    };
    edit->addAction("&Insert line\tCtrl+Ins", this,
                    [key] { key(Qt::Key_Insert, Qt::ControlModifier); });
    edit->addAction("&Delete line\tCtrl+Del", this,
                    [key] { key(Qt::Key_Delete, Qt::ControlModifier); });
    edit->addAction("Move line &up\tCtrl+Up", this,
                    [key] { key(Qt::Key_Up, Qt::ControlModifier); });
    edit->addAction("Move line do&wn\tCtrl+Down", this,
                    [key] { key(Qt::Key_Down, Qt::ControlModifier); });
    edit->addSeparator();
    edit->addAction("&Select line\tShift+Enter", this,
                    [key] { key(Qt::Key_Return, Qt::ShiftModifier); });
    edit->addAction("&Clear selection", this, [this] { grid->UnselectAllLines(); });
    edit->addSeparator();
    edit->addAction("E&xit", this, &QWidget::close);

    QMenu* languageMenu = menuBar()->addMenu("&Language");
    auto* group = new QActionGroup(this);
    for (const LanguageChoice& choice : languages) {
        QAction* action = languageMenu->addAction(QString::fromUtf8(choice.name));
        action->setCheckable(true);
        action->setChecked(choice.base == GetLanguage().Current());
        group->addAction(action);
        const int32_t base = choice.base;
        connect(action, &QAction::triggered, this, [this, base] { SwitchLanguage(base); });
    }
}

void DemoWindow::SwitchLanguage(int32_t language) {
    GetLanguage().SetCurrentLanguage(language);
    grid->SetDatePicture(QString::fromStdString(GetLanguage().ShortDate()));
    ShowStatus();
}

void DemoWindow::ShowStatus() {
    const IntlDate today(DateConstant::Today);
    std::string longPicture = GetLanguage().LongDate();
    if (longPicture.empty())
        longPicture = GetLanguage().ShortDate();
    status->setText(QString::fromStdString(today.String(longPicture)) +
                    "   |   F2 in a date cell: today   |   Ctrl+Up/Down: move a line   |   "
                    "row header click (Ctrl, Shift): select");
}
