#include "tgrid.h"

#include "control_data.h"
#include "grid_parts.h"
#include "profile_file.h"
#include "record_placement.h"

#include <QLabel>

void TGrid::ArrangeRecordLayout() {
    if (layout != glRecord || client->height() <= 0)
        return;
    const ::ProfileFile profile = ::ProfileFile::Load(profileFile.toStdString());
    const std::string section = std::to_string(gridId);
    std::vector<FieldToPlace> fields;
    for (TGridColumn& column : columns) {
        if (!column.label) {
            column.label = new QLabel(column.title, client);
            column.label->setFocusPolicy(Qt::NoFocus);
            column.label->hide();
        }
        QWidget* control = column.control;
        const QSize size =
            control->testAttribute(Qt::WA_Resized) ? control->size() : control->sizeHint();
        FieldToPlace field;
        field.labelWidth = column.label->fontMetrics().horizontalAdvance(column.title);
        field.controlWidth = size.width();
        field.controlHeight = size.height();
        const std::optional<std::string> value =
            profile.Read(section, std::to_string(ControlId(control)));
        if (value)
            field.profile = ReadPositionNumbers(*value);
        fields.push_back(field);
    }
    const std::vector<FieldPlacement> placed = PlaceRecordFields(fields, client->height());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const FieldPlacement& place = placed[i];
        columns[i].control->setGeometry(place.control.x, place.control.y, place.control.width,
                                        place.control.height);
        columns[i].label->setGeometry(place.label.x, place.label.y, place.label.width,
                                      place.label.height);
        columns[i].label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    ShowRecordLine();
}

void TGrid::ShowRecordLine() {
    if (layout != glRecord || !IsCurrentLineValid())
        return;
    const int line = CurrentLine();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        TGridColumn& column = columns[i];
        const int id = ControlId(column.control);
        const int state = GetCellState(line, id);
        const bool shown = column.width > 0 && (state == 0 || state == 1);
        const bool holdsTypedData = static_cast<int>(i) == currentColumn && loadedLine == line;
        if (shown && !holdsTypedData)
            SetControlData(column.control, GetCellData(line, id));
        column.control->setVisible(shown);
        if (column.label)
            column.label->setVisible(shown);
    }
}
