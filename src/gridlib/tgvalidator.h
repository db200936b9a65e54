#pragma once

#include "cellix32_export.h"

// moc cannot read the standard library's C++20 headers that these bring in.
#ifndef Q_MOC_RUN
#include "intldate.h"
#include "tgtime.h"
#endif

#include <QString>
#include <QValidator>

#include <cstdint>
#include <functional>

class QWidget;

// The validators of the typed edits. While the user types, validate() lets through only the
// characters the validator accepts (the rest of the check waits until the edit is left);
// IsValid checks the whole text, and Error shows what is wrong in a warning message box whose
// texts come from the current language.
class CELLIX32_API TGValidator : public QValidator {
    Q_OBJECT
public:
    // Shows a warning message: (owner window, title, text).
    using MessageHandler =
        std::function<void(QWidget* owner, const QString& title, const QString& text)>;

    explicit TGValidator(QObject* parent = nullptr) : QValidator(parent) {}

    virtual bool IsValid(const QString& text) const = 0;
    // Shows the message for the text that IsValid refused last.
    virtual void Error(QWidget* owner) const = 0;
    // IsValid, and when it fails the message.
    bool Check(QWidget* owner, const QString& text) const;

    // Characters the user may type; every text of those characters is Intermediate or
    // Acceptable.
    virtual bool IsValidInput(const QString& text) const = 0;
    State validate(QString& text, int& pos) const override;

    // Every message of the library goes through one handler; the default is a modal warning
    // box. Setting an empty handler restores the default.
    static void SetMessageHandler(MessageHandler handler);
    static void ShowMessage(QWidget* owner, const QString& title, const QString& text);
};

// Whole numbers in a closed range; the filter is "0-9+-".
class CELLIX32_API TGLongValidator : public TGValidator {
    Q_OBJECT
public:
    TGLongValidator(int64_t min, int64_t max, QObject* parent = nullptr);

    int64_t Min() const { return min; }
    int64_t Max() const { return max; }
    void SetMin(int64_t value);
    void SetMax(int64_t value);

    bool IsValid(const QString& text) const override;
    void Error(QWidget* owner) const override;
    bool IsValidInput(const QString& text) const override;

private:
    int64_t min;
    int64_t max;
};

// 16-bit whole numbers: the same check with bounds that fit 16 bits.
class CELLIX32_API TGShortValidator : public TGLongValidator {
    Q_OBJECT
public:
    TGShortValidator(int16_t min, int16_t max, QObject* parent = nullptr)
        : TGLongValidator(min, max, parent) {}
};

// Decimal numbers in a closed range; the filter is "0-9+-.". The range message writes the
// bounds with the edit's decimals.
class CELLIX32_API TGDoubleValidator : public TGValidator {
    Q_OBJECT
public:
    TGDoubleValidator(double min, double max, int decimals, QObject* parent = nullptr);

    double Min() const { return min; }
    double Max() const { return max; }
    void SetMin(double value);
    void SetMax(double value);
    void SetDecimals(int value) { decimals = value; }

    bool IsValid(const QString& text) const override;
    void Error(QWidget* owner) const override;
    bool IsValidInput(const QString& text) const override;

private:
    double min;
    double max;
    int decimals;
};

// What was wrong with the last date or time checked.
enum class TGFieldError : int { None = 0, Missing = 1, Incorrect = 2, OutOfRange = 3 };

// Dates typed under a picture, between a minimum and a maximum (a null bound is no bound).
class CELLIX32_API TGDateValidator : public TGValidator {
    Q_OBJECT
public:
    TGDateValidator(const IntlDate& min, const IntlDate& max, const QString& picture, bool required,
                    QObject* parent = nullptr);

    const IntlDate& Min() const { return min; }
    const IntlDate& Max() const { return max; }
    void SetMin(const IntlDate& value) { min = value; }
    void SetMax(const IntlDate& value) { max = value; }
    bool Required() const { return required; }
    TGFieldError LastError() const { return lastError; }

    bool IsValid(const QString& text) const override;
    void Error(QWidget* owner) const override;
    bool IsValidInput(const QString& text) const override;

private:
    IntlDate min;
    IntlDate max;
    QString picture;
    bool required;
    mutable TGFieldError lastError = TGFieldError::None;
};

// Times typed under a picture, between a minimum and a maximum (no range while both are 0).
class CELLIX32_API TGTimeValidator : public TGValidator {
    Q_OBJECT
public:
    TGTimeValidator(const TGTime& min, const TGTime& max, const QString& picture,
                    QObject* parent = nullptr);

    const TGTime& Min() const { return min; }
    const TGTime& Max() const { return max; }
    void SetMin(const TGTime& value) { min = value; }
    void SetMax(const TGTime& value) { max = value; }
    TGFieldError LastError() const { return lastError; }

    bool IsValid(const QString& text) const override;
    void Error(QWidget* owner) const override;
    bool IsValidInput(const QString& text) const override;

private:
    TGTime min;
    TGTime max;
    QString picture;
    mutable TGFieldError lastError = TGFieldError::None;
};
