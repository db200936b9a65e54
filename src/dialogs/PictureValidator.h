#pragma once
// Limits what can be typed into a numeric field to a picture mask: "[-]" an optional minus sign,
// "[#]" an optional digit, any other bracketed character an optional literal after which the rest
// of the mask may follow. "[#][#][#][.][#][#]" takes up to three digits, a point and two decimals.

#include <QRegularExpression>
#include <QValidator>

class PictureValidator : public QValidator {
public:
    explicit PictureValidator(const QString& picture, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    const QString& picture() const { return picture_; }

    // The regular expression a picture stands for (exposed for tests).
    static QString PatternOf(const QString& picture);

private:
    QString picture_;
    QRegularExpression pattern_;
};
