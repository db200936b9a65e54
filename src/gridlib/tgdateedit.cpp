#include "tgdateedit.h"

#include "edit_picture.h"
#include "edit_text.h"
#include "language.h"

#include <QKeyEvent>
#include <QStringList>

#include <cstring>

namespace {

constexpr const char* defaultTimePicture = "HH:MM:SS";

QString DefaultDatePicture() {
    const std::string system = GetLanguage().SysShortDate();
    return QString::fromStdString(system.empty() ? "MM/dd/yyyy" : system);
}

QString LanguageText(int offset) {
    return QString::fromStdString(GetLanguage().LoadStringA(offset));
}

int WordCount(const QString& text) {
    return static_cast<int>(text.split(u' ', Qt::SkipEmptyParts).size());
}

// The date words and the time words of a date-and-time text.
std::pair<QString, QString> SplitDateTime(const QString& text, int dateWords) {
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    return {words.mid(0, dateWords).join(u' '), words.mid(dateWords).join(u' ')};
}

bool Before(const IntlDate& date, const TGTime& time, const IntlDate& otherDate,
            const TGTime& otherTime) {
    return date < otherDate || (date == otherDate && time < otherTime);
}

// The check of a date-and-time edit's text.
class DateTimeValidator : public TGValidator {
public:
    DateTimeValidator(const QString& datePicture, const QString& timePicture, bool required,
                      const IntlDate& minDate, const TGTime& minTime, const IntlDate& maxDate,
                      const TGTime& maxTime)
        : datePicture(datePicture), timePicture(timePicture), required(required), minDate(minDate),
          maxDate(maxDate), minTime(minTime), maxTime(maxTime) {}

    bool IsValidInput(const QString& text) const override {
        const QString literals =
            QString::fromStdString(PictureLiterals(datePicture.toStdString(), true) +
                                   PictureLiterals(timePicture.toStdString(), false));
        const bool names = DatePictureHasNames(datePicture.toStdString());
        for (QChar c : text) {
            if (!(c.isDigit() || c == u' ' || c == u'-' || literals.contains(c) ||
                  (names && c.isLetter())))
                return false;
        }
        return true;
    }

    bool IsValid(const QString& text) const override {
        const auto [dateText, timeText] = SplitDateTime(text, WordCount(datePicture));
        problem = Problem::None;
        if (dateText.isEmpty() && timeText.isEmpty()) {
            problem = required ? Problem::Missing : Problem::None;
            return !required;
        }
        const IntlDate date(dateText.toStdString(), datePicture.toStdString());
        const TGTime time(timeText.toStdString(), timePicture.toStdString());
        if (!IsValidInput(text) || !date.IsValid())
            problem = Problem::IncorrectDate;
        else if (!time.IsValid())
            problem = Problem::IncorrectTime;
        else if ((!minDate.IsNull() && Before(date, time, minDate, minTime)) ||
                 (!maxDate.IsNull() && Before(maxDate, maxTime, date, time)))
            problem = Problem::OutOfRange;
        return problem == Problem::None;
    }

    void Error(QWidget* owner) const override {
        switch (problem) {
        case Problem::Missing:
            ShowMessage(owner, LanguageText(Language::sDateField),
                        LanguageText(Language::sDateRequired));
            break;
        case Problem::IncorrectTime:
            ShowMessage(owner, LanguageText(Language::sTimeField),
                        LanguageText(Language::sTimeIncorrect));
            break;
        case Problem::OutOfRange:
            ShowMessage(owner, LanguageText(Language::sDateField),
                        QString::fromStdString(
                            DateRangeMessage(Format(minDate, minTime), Format(maxDate, maxTime))));
            break;
        default:
            ShowMessage(owner, LanguageText(Language::sDateField),
                        LanguageText(Language::sDateIncorrect));
        }
    }

private:
    enum class Problem { None, Missing, IncorrectDate, IncorrectTime, OutOfRange };

    // A bound: its date and time, or nothing for a null date (no bound).
    std::string Format(const IntlDate& date, const TGTime& time) const {
        std::string text = date.String(datePicture.toStdString());
        const std::string timeText = SignedTimeText(time, timePicture.toStdString());
        if (!text.empty() && !timeText.empty())
            text += " " + timeText;
        return text;
    }

    QString datePicture;
    QString timePicture;
    bool required;
    IntlDate minDate, maxDate;
    TGTime minTime, maxTime;
    mutable Problem problem = Problem::None;
};

} // namespace

// Date.

TGDateEdit::TGDateEdit(QWidget* parent, int id, const QString& picture, const IntlDate& min,
                       const IntlDate& max, bool required)
    : TGEdit(parent, id) {
    SetFilter(min, max, picture, required);
}

void TGDateEdit::SetFilter(const IntlDate& min, const IntlDate& max, const QString& newPicture,
                           bool required) {
    const QString given = newPicture.isEmpty() ? DefaultDatePicture() : newPicture;
    picture = QString::fromStdString(NormalizeDatePicture(given.toStdString()));
    SetTextLimit(static_cast<int>(picture.size()));
    SetValidator(new TGDateValidator(min, max, picture, required));
}

void TGDateEdit::SetMin(const IntlDate& min) {
    if (auto* v = qobject_cast<TGDateValidator*>(Validator()))
        v->SetMin(min);
}

void TGDateEdit::SetMax(const IntlDate& max) {
    if (auto* v = qobject_cast<TGDateValidator*>(Validator()))
        v->SetMax(max);
}

TGFieldError TGDateEdit::ErrorState() const {
    const auto* v = qobject_cast<const TGDateValidator*>(Validator());
    return v ? v->LastError() : TGFieldError::None;
}

IntlDate TGDateEdit::Value() const {
    return IntlDate(text().toStdString(), picture.toStdString());
}

void TGDateEdit::SetValue(const IntlDate& date) {
    setText(QString::fromStdString(date.String(picture.toStdString())));
}

QByteArray TGDateEdit::ToData(const IntlDate& date) {
    QByteArray data(sizeof date, '\0');
    std::memcpy(data.data(), &date, sizeof date);
    return data;
}

IntlDate TGDateEdit::FromData(const QByteArray& data) {
    IntlDate stored;
    if (data.size() != static_cast<qsizetype>(sizeof stored))
        return {};
    std::memcpy(&stored, data.constData(), sizeof stored);
    const IntlDate checked(stored.DayNumber());
    if (checked.Day() != stored.Day() || checked.Month() != stored.Month() ||
        checked.Year() != stored.Year())
        return {};
    return checked;
}

QByteArray TGDateEdit::GetData() const {
    return ToData(Value().IsValid() ? Value() : IntlDate());
}

void TGDateEdit::SetData(const QByteArray& data) {
    SetValue(FromData(data));
}

QString TGDateEdit::DataText(const QByteArray& data) const {
    return QString::fromStdString(FromData(data).String(picture.toStdString()));
}

void TGDateEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        SetValue(IntlDate(DateConstant::Today));
        setModified(true);
        event->accept();
        return;
    }
    TGEdit::keyPressEvent(event);
}

void TGDateEdit::Normalize() {
    const IntlDate date = Value();
    if (!text().isEmpty() && date.IsValid())
        SetTextKeepingModified(QString::fromStdString(date.String(picture.toStdString())));
}

// Time.

TGTimeEdit::TGTimeEdit(QWidget* parent, int id, const QString& picture, const TGTime& min,
                       const TGTime& max)
    : TGEdit(parent, id) {
    SetFilter(min, max, picture);
}

void TGTimeEdit::SetFilter(const TGTime& min, const TGTime& max, const QString& newPicture) {
    picture = newPicture.isEmpty() ? QString(defaultTimePicture) : newPicture;
    SetValidator(new TGTimeValidator(min, max, picture));
}

void TGTimeEdit::SetMin(const TGTime& min) {
    if (auto* v = qobject_cast<TGTimeValidator*>(Validator()))
        v->SetMin(min);
}

void TGTimeEdit::SetMax(const TGTime& max) {
    if (auto* v = qobject_cast<TGTimeValidator*>(Validator()))
        v->SetMax(max);
}

TGFieldError TGTimeEdit::ErrorState() const {
    const auto* v = qobject_cast<const TGTimeValidator*>(Validator());
    return v ? v->LastError() : TGFieldError::None;
}

TGTime TGTimeEdit::Value() const {
    return TGTime(text().toStdString(), picture.toStdString());
}

void TGTimeEdit::SetValue(const TGTime& time) {
    setText(QString::fromStdString(SignedTimeText(time, picture.toStdString())));
}

QByteArray TGTimeEdit::ToData(const TGTime& time) {
    QByteArray data(sizeof time, '\0');
    std::memcpy(data.data(), &time, sizeof time);
    return data;
}

TGTime TGTimeEdit::FromData(const QByteArray& data) {
    TGTime stored;
    if (data.size() != static_cast<qsizetype>(sizeof stored))
        return {};
    std::memcpy(&stored, data.constData(), sizeof stored);
    return TGTime(stored.Value());
}

QByteArray TGTimeEdit::GetData() const {
    const TGTime time = Value();
    return ToData(time.IsValid() ? time : TGTime());
}

void TGTimeEdit::SetData(const QByteArray& data) {
    SetValue(FromData(data));
}

QString TGTimeEdit::DataText(const QByteArray& data) const {
    return QString::fromStdString(SignedTimeText(FromData(data), picture.toStdString()));
}

void TGTimeEdit::Normalize() {
    const TGTime time = Value();
    if (!text().isEmpty() && time.IsValid())
        SetTextKeepingModified(QString::fromStdString(SignedTimeText(time, picture.toStdString())));
}

// Date and time.

TGDateTimeEdit::TGDateTimeEdit(QWidget* parent, int id, const QString& datePicture,
                               const QString& timePicture, bool required)
    : TGEdit(parent, id),
      datePicture(QString::fromStdString(NormalizeDatePicture(
          (datePicture.isEmpty() ? DefaultDatePicture() : datePicture).toStdString()))),
      timePicture(timePicture.isEmpty() ? QString(defaultTimePicture) : timePicture),
      required(required) {
    MakeValidator();
}

void TGDateTimeEdit::SetRange(const IntlDate& newMinDate, const TGTime& newMinTime,
                              const IntlDate& newMaxDate, const TGTime& newMaxTime) {
    minDate = newMinDate;
    minTime = newMinTime;
    maxDate = newMaxDate;
    maxTime = newMaxTime;
    MakeValidator();
}

void TGDateTimeEdit::MakeValidator() {
    SetValidator(new DateTimeValidator(datePicture, timePicture, required, minDate, minTime,
                                       maxDate, maxTime));
}

QString TGDateTimeEdit::Picture() const {
    return datePicture + u' ' + timePicture;
}

IntlDate TGDateTimeEdit::Date() const {
    const QString dateText = SplitDateTime(text(), WordCount(datePicture)).first;
    return IntlDate(dateText.toStdString(), datePicture.toStdString());
}

TGTime TGDateTimeEdit::Time() const {
    const QString timeText = SplitDateTime(text(), WordCount(datePicture)).second;
    return TGTime(timeText.toStdString(), timePicture.toStdString());
}

QString TGDateTimeEdit::Format(const IntlDate& date, const TGTime& time) const {
    const QString dateText = QString::fromStdString(date.String(datePicture.toStdString()));
    const QString timeText =
        QString::fromStdString(SignedTimeText(time, timePicture.toStdString()));
    if (dateText.isEmpty())
        return {};
    return timeText.isEmpty() ? dateText : dateText + u' ' + timeText;
}

void TGDateTimeEdit::SetValue(const IntlDate& date, const TGTime& time) {
    setText(Format(date, time));
}

QByteArray TGDateTimeEdit::ToData(const IntlDate& date, const TGTime& time) {
    return TGDateEdit::ToData(date) + TGTimeEdit::ToData(time);
}

QByteArray TGDateTimeEdit::GetData() const {
    const IntlDate date = Date();
    const TGTime time = Time();
    if (!date.IsValid())
        return ToData({}, {});
    return ToData(date, time.IsValid() ? time : TGTime());
}

void TGDateTimeEdit::SetData(const QByteArray& data) {
    setText(DataText(data));
}

QString TGDateTimeEdit::DataText(const QByteArray& data) const {
    if (data.size() != 26)
        return {};
    return Format(TGDateEdit::FromData(data.left(8)), TGTimeEdit::FromData(data.mid(8)));
}

void TGDateTimeEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        SetValue(IntlDate(DateConstant::Today), TGTime(TimeConstant::Now));
        setModified(true);
        event->accept();
        return;
    }
    TGEdit::keyPressEvent(event);
}

void TGDateTimeEdit::Normalize() {
    const IntlDate date = Date();
    if (!text().isEmpty() && date.IsValid() && Time().IsValid())
        SetTextKeepingModified(Format(date, Time()));
}
