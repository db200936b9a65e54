#pragma once

#include "cellix32_export.h"
#include "grid_types.h"

#include <QByteArray>
#include <QColor>
#include <QLineEdit>
#include <QString>

class QPainter;
class QRect;
class TGrid;
class TGValidator;

// A text edit that serves as a grid column or as an ordinary dialog field. Inside a grid the
// grid sees its keys first and stores its data when the user leaves the cell; cells of its
// column on other lines are painted by DrawCell.
class CELLIX32_API TGEdit : public QLineEdit {
    Q_OBJECT
public:
    // textLimit 0 leaves the length free.
    TGEdit(QWidget* parent, int id, const QString& text = {}, int textLimit = 0);

    // The most characters the user may type (0: no limit). It limits typing only: a text the
    // program writes is kept whole, and while it is longer than the limit the user may type
    // up to its length.
    void SetTextLimit(int limit);
    int TextLimit() const { return textLimit; }
    // Writes the text whole, whatever the text limit (QLineEdit's own setText, which this
    // hides, would cut it to the limit).
    void setText(const QString& value);

    int Id() const;
    TGrid* Grid() const { return grid; }
    // Called by the grid when the edit becomes one of its columns (nullptr when removed).
    void SetGrid(TGrid* owner) { grid = owner; }

    // Colours of the edit and of the cells it paints; the defaults follow the palette.
    void SetColors(const QColor& text, const QColor& background);
    QColor TextColor() const;
    QColor BackgroundColor() const;

    TGValidator* Validator() const { return checker; }
    // The edit owns the validator; nullptr removes the current one.
    void SetValidator(TGValidator* validator);
    // Whether the text passes the validator (true without one); when it does not and
    // showMessage is set, the validator's message is shown.
    bool IsValid(bool showMessage = true) const;

    // The data exchanged with the grid's GetCellData and PutCellData: the text (UTF-8) for a
    // text edit, the value's bytes for the typed edits.
    virtual int TransferSize() const { return 0; } // 0: text of any length
    virtual QByteArray GetData() const;
    // Data of the wrong size give the empty value.
    virtual void SetData(const QByteArray& data);
    // The text a cell shows for the data, written as the edit writes values.
    virtual QString DataText(const QByteArray& data) const;

    // Paints a cell of this edit's column: on the highlight colours for a selected line, else
    // the colours the grid's owner gives for the cell, else the edit's own.
    void DrawCell(QPainter& painter, const QRect& cell, const QByteArray& data, TGAlign alignment,
                  int line) const;

    operator QString() const { return text(); }
    TGEdit& operator=(const QString& value);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    // Rewrites a valid text the way the edit writes values (numbers with their decimals, dates
    // under their picture). The modified mark is kept.
    virtual void Normalize() {}
    void SetTextKeepingModified(const QString& value);

private:
    TGrid* grid = nullptr;
    TGValidator* checker = nullptr;
    int textLimit = 0;
    QColor textColor;
    QColor backgroundColor;
};
