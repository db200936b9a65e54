#pragma once
// The status bar's Caps Lock, Num Lock, Scroll Lock and Overtype indicators. Qt cannot read the
// keyboard's lock lights, so each indicator starts off and toggles when its key is pressed.

#include <QObject>

class QLabel;
class QStatusBar;

class LockIndicators : public QObject {
public:
    explicit LockIndicators(QStatusBar* bar);

    bool isOn(int key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Indicator {
        int key;
        QLabel* label;
        bool on;
    };
    Indicator indicators_[4];
};
