#pragma once

#include "delivery.h"

#include <QMainWindow>

#include <vector>

class DeliveryGrid;
class QActionGroup;
class QLabel;

// The demo's main window: the delivery grid, an Edit menu for its lines and a Language menu.
class DemoWindow : public QMainWindow {
public:
    DemoWindow();

private:
    void BuildMenus();
    void SwitchLanguage(int32_t language);
    void ShowStatus();

    std::vector<Delivery> deliveries;
    DeliveryGrid* grid;
    QLabel* status;
};
