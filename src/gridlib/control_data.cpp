#include "control_data.h"

#include "tgdateedit.h"
#include "tgnumedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// The control's own kind (true for three states), kept while the grid shows undetermined cells.
constexpr const char* threeStateProperty = "cellixThreeState";

bool IsThreeState(const QCheckBox* check) {
    const QVariant own = check->property(threeStateProperty);
    return own.isValid() ? own.toBool() : check->isTristate();
}

// The cell's state (0 unchecked, 1 checked, 2 undetermined) as the control shows it.
void ShowCheckState(QCheckBox* check, int state) {
    if (state == 2) {
        check->setTristate(true);
        check->setCheckState(Qt::PartiallyChecked);
        return;
    }
    check->setTristate(IsThreeState(check));
    check->setCheckState(state == 1 ? Qt::Checked : Qt::Unchecked);
}

int CellCheckState(const QCheckBox* check) {
    switch (check->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    default:
        return 2;
    }
}

} // namespace

TGColumnType ClassifyControl(const QWidget* control) {
    if (qobject_cast<const TGShortEdit*>(control))
        return ctShortEdit;
    if (qobject_cast<const TGLongEdit*>(control))
        return ctLongEdit;
    if (qobject_cast<const TGDoubleEdit*>(control))
        return ctDoubleEdit;
    if (qobject_cast<const TGDateEdit*>(control) || qobject_cast<const TGDateTimeEdit*>(control))
        return ctDateEdit;
    if (qobject_cast<const TGTimeEdit*>(control))
        return ctTimeEdit;
    if (qobject_cast<const QLineEdit*>(control))
        return ctEdit;
    if (qobject_cast<const QComboBox*>(control))
        return ctCombo;
    if (qobject_cast<const QCheckBox*>(control))
        return ctCheckBox;
    if (qobject_cast<const QAbstractButton*>(control))
        return ctButton;
    return ctStatic;
}

QByteArray CheckStateData(int state) {
    QByteArray data(2, '\0');
    data[0] = static_cast<char>(state & 0xff);
    return data;
}

int CheckStateFromData(const QByteArray& data) {
    if (data.size() != 2 || data[1] != 0)
        return 2;
    const int state = static_cast<unsigned char>(data[0]);
    return state <= 2 ? state : 2;
}

void SetControlData(QWidget* control, const QByteArray& data) {
    const QSignalBlocker blocker(control);
    if (auto* edit = qobject_cast<TGEdit*>(control)) {
        edit->SetData(data);
        edit->setModified(false);
    } else if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->setText(QString::fromUtf8(data));
        line->setModified(false);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QString text = QString::fromUtf8(data);
        const int index = combo->findText(text);
        combo->setCurrentIndex(index);
        if (index < 0 && combo->isEditable())
            combo->setEditText(text);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        ShowCheckState(check, CheckStateFromData(data));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(QString::fromUtf8(data));
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(QString::fromUtf8(data));
    }
}

QByteArray GetControlData(const QWidget* control) {
    if (auto* edit = qobject_cast<const TGEdit*>(control))
        return edit->GetData();
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text().toUtf8();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().toUtf8();
    if (auto* check = qobject_cast<const QCheckBox*>(control))
        return CheckStateData(CellCheckState(check));
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text().toUtf8();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text().toUtf8();
    return {};
}

void EmptyControl(QWidget* control) {
    const QSignalBlocker blocker(control);
    if (auto* line = qobject_cast<QLineEdit*>(control)) {
        line->clear();
        line->setModified(false);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex(-1);
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        ShowCheckState(check, 2);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText({});
    }
}

void KeepCheckBoxKind(QCheckBox* check) {
    if (!check->property(threeStateProperty).isValid())
        check->setProperty(threeStateProperty, check->isTristate());
}

void SettleCheckBox(QCheckBox* check) {
    if (check->checkState() != Qt::PartiallyChecked)
        check->setTristate(IsThreeState(check));
}
