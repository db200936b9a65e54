#include "tgvalidator.h"

#include "edit_picture.h"
#include "edit_text.h"
#include "language.h"
#include "number_text.h"

#include <QMessageBox>

#include <algorithm>

namespace {

constexpr const char* wholeFilter = "0-9+-";
constexpr const char* decimalFilter = "0-9.+-"; // '-' last, so that it is not a range

TGValidator::MessageHandler& Handler() {
    static TGValidator::MessageHandler handler;
    return handler;
}

QString LanguageText(int offset) {
    return QString::fromStdString(GetLanguage().LoadStringA(offset));
}

QString RangeText(int offset, const std::string& min, const std::string& max) {
    return QString::fromStdString(FillPlaceholders(GetLanguage().LoadStringA(offset), min, max));
}

bool PassesTextFilter(const QString& text, const char* filter) {
    return PassesFilter(text.toStdString(), filter);
}

// Digits, the picture's literal characters, and letters where the picture has names.
bool FitsPicture(const QString& text, const QString& literals, bool letters, bool minusAllowed) {
    for (QChar c : text) {
        if (c.isDigit() || (letters && c.isLetter()) || (minusAllowed && c == u'-') || c == u' ' ||
            literals.contains(c))
            continue;
        return false;
    }
    return true;
}

} // namespace

bool TGValidator::Check(QWidget* owner, const QString& text) const {
    if (IsValid(text))
        return true;
    Error(owner);
    return false;
}

QValidator::State TGValidator::validate(QString& text, int&) const {
    if (!IsValidInput(text))
        return Invalid;
    return IsValid(text) ? Acceptable : Intermediate;
}

void TGValidator::SetMessageHandler(MessageHandler handler) {
    Handler() = std::move(handler);
}

void TGValidator::ShowMessage(QWidget* owner, const QString& title, const QString& text) {
    if (Handler()) {
        Handler()(owner, title, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, owner);
    box.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
}

// Whole numbers.

TGLongValidator::TGLongValidator(int64_t min, int64_t max, QObject* parent)
    : TGValidator(parent), min(min), max(std::max(min, max)) {}

void TGLongValidator::SetMin(int64_t value) {
    min = value;
    max = std::max(max, min);
}

void TGLongValidator::SetMax(int64_t value) {
    max = value;
}

bool TGLongValidator::IsValidInput(const QString& text) const {
    return PassesTextFilter(text, wholeFilter);
}

bool TGLongValidator::IsValid(const QString& text) const {
    if (!IsValidInput(text))
        return false;
    const std::optional<int64_t> value = ReadWhole(text.toStdString());
    return value && *value >= min && *value <= max;
}

void TGLongValidator::Error(QWidget* owner) const {
    ShowMessage(owner, LanguageText(Language::sInvalidRange),
                RangeText(Language::sValueRange, FormatWhole(min, false), FormatWhole(max, false)));
}

// Decimal numbers.

TGDoubleValidator::TGDoubleValidator(double min, double max, int decimals, QObject* parent)
    : TGValidator(parent), min(min), max(std::max(min, max)), decimals(decimals) {}

void TGDoubleValidator::SetMin(double value) {
    min = value;
    max = std::max(max, min);
}

void TGDoubleValidator::SetMax(double value) {
    max = value;
}

bool TGDoubleValidator::IsValidInput(const QString& text) const {
    return PassesTextFilter(text, decimalFilter);
}

bool TGDoubleValidator::IsValid(const QString& text) const {
    if (!IsValidInput(text))
        return false;
    const std::optional<double> value = ReadDecimal(text.toStdString());
    return value && *value >= min && *value <= max;
}

void TGDoubleValidator::Error(QWidget* owner) const {
    ShowMessage(owner, LanguageText(Language::sInvalidRange),
                RangeText(Language::sValueRange, FormatDecimal(min, decimals, false),
                          FormatDecimal(max, decimals, false)));
}

// Dates.

TGDateValidator::TGDateValidator(const IntlDate& min, const IntlDate& max, const QString& picture,
                                 bool required, QObject* parent)
    : TGValidator(parent), min(min), max(max), picture(picture), required(required) {}

bool TGDateValidator::IsValidInput(const QString& text) const {
    const std::string pictureText = picture.toStdString();
    return FitsPicture(text, QString::fromStdString(PictureLiterals(pictureText, true)),
                       DatePictureHasNames(pictureText), false);
}

bool TGDateValidator::IsValid(const QString& text) const {
    if (text.trimmed().isEmpty()) {
        lastError = required ? TGFieldError::Missing : TGFieldError::None;
        return !required;
    }
    const IntlDate date(text.toStdString(), picture.toStdString());
    if (!IsValidInput(text) || !date.IsValid())
        lastError = TGFieldError::Incorrect;
    else if ((!min.IsNull() && date < min) || (!max.IsNull() && date > max))
        lastError = TGFieldError::OutOfRange;
    else
        lastError = TGFieldError::None;
    return lastError == TGFieldError::None;
}

void TGDateValidator::Error(QWidget* owner) const {
    QString text;
    if (lastError == TGFieldError::Missing) {
        text = LanguageText(Language::sDateRequired);
    } else if (lastError == TGFieldError::OutOfRange) {
        const std::string pictureText = picture.toStdString();
        text = QString::fromStdString(
            DateRangeMessage(min.String(pictureText), max.String(pictureText)));
    } else {
        text = LanguageText(Language::sDateIncorrect);
    }
    ShowMessage(owner, LanguageText(Language::sDateField), text);
}

// Times.

TGTimeValidator::TGTimeValidator(const TGTime& min, const TGTime& max, const QString& picture,
                                 QObject* parent)
    : TGValidator(parent), min(min), max(max), picture(picture) {}

bool TGTimeValidator::IsValidInput(const QString& text) const {
    return FitsPicture(text, QString::fromStdString(PictureLiterals(picture.toStdString(), false)),
                       false, true);
}

bool TGTimeValidator::IsValid(const QString& text) const {
    if (text.trimmed().isEmpty()) {
        lastError = TGFieldError::None;
        return true;
    }
    const TGTime time(text.toStdString(), picture.toStdString());
    const bool ranged = min.Value() != 0 || max.Value() != 0;
    if (!IsValidInput(text) || !time.IsValid())
        lastError = TGFieldError::Incorrect;
    else if (ranged && (time < min || time > max))
        lastError = TGFieldError::OutOfRange;
    else
        lastError = TGFieldError::None;
    return lastError == TGFieldError::None;
}

void TGTimeValidator::Error(QWidget* owner) const {
    QString text;
    if (lastError == TGFieldError::OutOfRange) {
        const std::string pictureText = picture.toStdString();
        text = RangeText(Language::sTimeRange, TimeBoundText(min, pictureText),
                         TimeBoundText(max, pictureText));
    } else {
        text = LanguageText(Language::sTimeIncorrect);
    }
    ShowMessage(owner, LanguageText(Language::sTimeField), text);
}
