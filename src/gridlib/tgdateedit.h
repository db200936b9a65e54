#pragma once

#include "tgedit.h"
#include "tgvalidator.h"

// moc cannot read the standard library's C++20 headers that these bring in.
#ifndef Q_MOC_RUN
#include "intldate.h"
#include "tgtime.h"
#endif

// A date typed under a picture, between a minimum and a maximum (a null date is no bound),
// optionally required. F2 puts today's date in. Cell data: the 8 bytes of an IntlDate.
class CELLIX32_API TGDateEdit : public TGEdit {
    Q_OBJECT
public:
    // An empty picture means the system's short date picture.
    TGDateEdit(QWidget* parent, int id, const QString& picture = {}, const IntlDate& min = {},
               const IntlDate& max = {}, bool required = false);

    // Normalises the picture ("d/m/yy" becomes "dd/mm/yy"), limits typing to the picture's
    // length and makes a new validator for the range.
    void SetFilter(const IntlDate& min, const IntlDate& max, const QString& picture,
                   bool required = false);
    void SetMin(const IntlDate& min);
    void SetMax(const IntlDate& max);
    const QString& Picture() const { return picture; }
    TGFieldError ErrorState() const;

    IntlDate Value() const;
    void SetValue(const IntlDate& date);
    TGDateEdit& operator=(const IntlDate& date) {
        SetValue(date);
        return *this;
    }
    operator IntlDate() const { return Value(); }

    int TransferSize() const override { return 8; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(const IntlDate& date);
    // The null date for data of the wrong size or that hold no consistent date.
    static IntlDate FromData(const QByteArray& data);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void Normalize() override;

private:
    QString picture;
};

// A time typed under a picture ("HH:MM:SS" when empty), between a minimum and a maximum (no
// range while both are zero). Cell data: the 18 bytes of a TGTime.
class CELLIX32_API TGTimeEdit : public TGEdit {
    Q_OBJECT
public:
    TGTimeEdit(QWidget* parent, int id, const QString& picture = {}, const TGTime& min = {},
               const TGTime& max = {});

    void SetFilter(const TGTime& min, const TGTime& max, const QString& picture);
    void SetMin(const TGTime& min);
    void SetMax(const TGTime& max);
    const QString& Picture() const { return picture; }
    TGFieldError ErrorState() const;

    TGTime Value() const;
    void SetValue(const TGTime& time);
    TGTimeEdit& operator=(const TGTime& time) {
        SetValue(time);
        return *this;
    }
    operator TGTime() const { return Value(); }

    int TransferSize() const override { return 18; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(const TGTime& time);
    // The zero time for data of the wrong size; otherwise the time of the data's value.
    static TGTime FromData(const QByteArray& data);

protected:
    void Normalize() override;

private:
    QString picture;
};

// A date and a time in one edit: the date picture, a space, the time picture. The text's first
// words (as many as the date picture has) are the date, the rest the time. F2 puts the current
// date and time in. Cell data: 26 bytes, the IntlDate then the TGTime.
class CELLIX32_API TGDateTimeEdit : public TGEdit {
    Q_OBJECT
public:
    TGDateTimeEdit(QWidget* parent, int id, const QString& datePicture = {},
                   const QString& timePicture = {}, bool required = false);

    // A null minimum or maximum date is no bound.
    void SetRange(const IntlDate& minDate, const TGTime& minTime, const IntlDate& maxDate,
                  const TGTime& maxTime);
    QString Picture() const;

    IntlDate Date() const;
    TGTime Time() const;
    void SetValue(const IntlDate& date, const TGTime& time);

    int TransferSize() const override { return 26; }
    QByteArray GetData() const override;
    void SetData(const QByteArray& data) override;
    QString DataText(const QByteArray& data) const override;

    static QByteArray ToData(const IntlDate& date, const TGTime& time);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void Normalize() override;

private:
    QString Format(const IntlDate& date, const TGTime& time) const;
    void MakeValidator();

    QString datePicture;
    QString timePicture;
    bool required;
    IntlDate minDate, maxDate;
    TGTime minTime, maxTime;
};
