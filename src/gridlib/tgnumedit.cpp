#include "tgnumedit.h"

#include "number_text.h"
#include "tgrid.h"
#include "tgvalidator.h"

#include <QFocusEvent>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

bool TGShortEdit::blankNull = false;
bool TGLongEdit::blankNull = false;
bool TGDoubleEdit::blankNull = false;

namespace {

template <typename T> QByteArray BytesOf(T value) {
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T> T ValueOf(const QByteArray& data) {
    T value{};
    if (data.size() == static_cast<qsizetype>(sizeof value))
        std::memcpy(&value, data.constData(), sizeof value);
    return value;
}

template <typename T> T ReadClamped(const QString& text) {
    const int64_t value = ReadWhole(text.toStdString()).value_or(0);
    return static_cast<T>(
        std::clamp<int64_t>(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

void RepaintGrid(TGrid* grid) {
    if (grid)
        grid->Refresh();
}

} // namespace

// Short.

TGShortEdit::TGShortEdit(QWidget* parent, int id, int16_t value, int textLimit, int16_t min,
                         int16_t max)
    : TGEdit(parent, id, {}, textLimit) {
    SetValidator(new TGShortValidator(min, max));
    SetValue(value);
}

void TGShortEdit::SetMin(int16_t min) {
    if (auto* v = qobject_cast<TGLongValidator*>(Validator()))
        v->SetMin(min);
}

void TGShortEdit::SetMax(int16_t max) {
    if (auto* v = qobject_cast<TGLongValidator*>(Validator()))
        v->SetMax(max);
}

int16_t TGShortEdit::Value() const {
    return ReadClamped<int16_t>(text());
}

void TGShortEdit::SetValue(int16_t value) {
    setText(QString::fromStdString(FormatWhole(value, blankNull)));
}

void TGShortEdit::SetBlankNull(bool blank) {
    blankNull = blank;
    RepaintGrid(Grid());
}

QByteArray TGShortEdit::ToData(int16_t value) {
    return BytesOf(value);
}

int16_t TGShortEdit::FromData(const QByteArray& data) {
    return ValueOf<int16_t>(data);
}

QByteArray TGShortEdit::GetData() const {
    return ToData(Value());
}

void TGShortEdit::SetData(const QByteArray& data) {
    SetValue(FromData(data));
}

QString TGShortEdit::DataText(const QByteArray& data) const {
    return QString::fromStdString(FormatWhole(FromData(data), blankNull));
}

// Long.

TGLongEdit::TGLongEdit(QWidget* parent, int id, int32_t value, int textLimit, int32_t min,
                       int32_t max)
    : TGEdit(parent, id, {}, textLimit) {
    SetValidator(new TGLongValidator(min, max));
    SetValue(value);
}

void TGLongEdit::SetMin(int32_t min) {
    if (auto* v = qobject_cast<TGLongValidator*>(Validator()))
        v->SetMin(min);
}

void TGLongEdit::SetMax(int32_t max) {
    if (auto* v = qobject_cast<TGLongValidator*>(Validator()))
        v->SetMax(max);
}

int32_t TGLongEdit::Value() const {
    return ReadClamped<int32_t>(text());
}

void TGLongEdit::SetValue(int32_t value) {
    setText(QString::fromStdString(FormatWhole(value, blankNull)));
}

void TGLongEdit::SetBlankNull(bool blank) {
    blankNull = blank;
    RepaintGrid(Grid());
}

QByteArray TGLongEdit::ToData(int32_t value) {
    return BytesOf(value);
}

int32_t TGLongEdit::FromData(const QByteArray& data) {
    return ValueOf<int32_t>(data);
}

QByteArray TGLongEdit::GetData() const {
    return ToData(Value());
}

void TGLongEdit::SetData(const QByteArray& data) {
    SetValue(FromData(data));
}

QString TGLongEdit::DataText(const QByteArray& data) const {
    return QString::fromStdString(FormatWhole(FromData(data), blankNull));
}

// Double.

TGDoubleEdit::TGDoubleEdit(QWidget* parent, int id, double value, int textLimit, int decimals,
                           double min, double max)
    : TGEdit(parent, id, {}, textLimit), decimals(ClampDecimals(decimals)) {
    SetValidator(new TGDoubleValidator(min, max, this->decimals));
    SetValue(value);
}

void TGDoubleEdit::SetMin(double min) {
    if (auto* v = qobject_cast<TGDoubleValidator*>(Validator()))
        v->SetMin(min);
}

void TGDoubleEdit::SetMax(double max) {
    if (auto* v = qobject_cast<TGDoubleValidator*>(Validator()))
        v->SetMax(max);
}

double TGDoubleEdit::Value() const {
    return ReadDecimal(text().toStdString()).value_or(0.0);
}

void TGDoubleEdit::SetValue(double value) {
    setText(QString::fromStdString(FormatDecimal(value, decimals, blankNull)));
}

void TGDoubleEdit::SetBlankNull(bool blank) {
    blankNull = blank;
    RepaintGrid(Grid());
}

QByteArray TGDoubleEdit::ToData(double value) {
    return BytesOf(value);
}

double TGDoubleEdit::FromData(const QByteArray& data) {
    const double value = ValueOf<double>(data);
    return std::isfinite(value) ? value : 0.0;
}

QByteArray TGDoubleEdit::GetData() const {
    return ToData(Value());
}

void TGDoubleEdit::SetData(const QByteArray& data) {
    SetValue(FromData(data));
}

QString TGDoubleEdit::DataText(const QByteArray& data) const {
    return QString::fromStdString(FormatDecimal(FromData(data), decimals, blankNull));
}

void TGDoubleEdit::Normalize() {
    const std::optional<double> value = ReadDecimal(text().toStdString());
    if (value)
        SetTextKeepingModified(QString::fromStdString(FormatDecimal(*value, decimals, blankNull)));
}
