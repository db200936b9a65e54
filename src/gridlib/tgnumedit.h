#pragma once

#include "tgedit.h"

#include <cstdint>

// A 16-bit whole number in a range. Cell data: 2 bytes.
class CELLIX32_API TGShortEdit : public TGEdit {
    Q_OBJECT
public:
    TGShortEdit(QWidget* parent, int id, int16_t value, int textLimit, int16_t min, int16_t max);

    void SetMin(int16_t min);
    void SetMax(int16_t max);
    int16_t Value() const;
    void SetValue(int16_t value);
    TGShortEdit& operator=(int16_t value) {
        SetValue(value);
        return *this;
    }
    operator int16_t() const { return Value(); }

    // For every short edit: 0 shows as the empty text. Repaints this edit's grid.
    void SetBlankNull(bool blank);
    static bool BlankNull() { return blankNull; }

    int TransferSize() const override { return 2; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(int16_t value);
    static int16_t FromData(const QByteArray& data); // 0 for data of the wrong size

private:
    static bool blankNull;
};

// A 32-bit whole number in a range. Cell data: 4 bytes.
class CELLIX32_API TGLongEdit : public TGEdit {
    Q_OBJECT
public:
    TGLongEdit(QWidget* parent, int id, int32_t value, int textLimit, int32_t min, int32_t max);

    void SetMin(int32_t min);
    void SetMax(int32_t max);
    int32_t Value() const;
    void SetValue(int32_t value);
    TGLongEdit& operator=(int32_t value) {
        SetValue(value);
        return *this;
    }
    operator int32_t() const { return Value(); }

    void SetBlankNull(bool blank);
    static bool BlankNull() { return blankNull; }

    int TransferSize() const override { return 4; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(int32_t value);
    static int32_t FromData(const QByteArray& data);

private:
    static bool blankNull;
};

// A decimal number with a fixed number of decimals, in a range. Cell data: 8 bytes.
class CELLIX32_API TGDoubleEdit : public TGEdit {
    Q_OBJECT
public:
    TGDoubleEdit(QWidget* parent, int id, double value, int textLimit, int decimals, double min,
                 double max);

    void SetMin(double min);
    void SetMax(double max);
    int Decimals() const { return decimals; }
    double Value() const;
    void SetValue(double value);
    TGDoubleEdit& operator=(double value) {
        SetValue(value);
        return *this;
    }
    operator double() const { return Value(); }

    void SetBlankNull(bool blank);
    static bool BlankNull() { return blankNull; }

    int TransferSize() const override { return 8; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(double value);
    static double FromData(const QByteArray& data); // 0 for the wrong size or a non-finite value

protected:
    void Normalize() override;

private:
    int decimals;
    static bool blankNull;
};
