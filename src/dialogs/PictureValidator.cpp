#include "dialogs/PictureValidator.h"

PictureValidator::PictureValidator(const QString& picture, QObject* parent)
    : QValidator(parent), picture_(picture),
      pattern_(QRegularExpression::anchoredPattern(PatternOf(picture))) {}

QString PictureValidator::PatternOf(const QString& picture) {
    QString pattern;
    int openGroups = 0;
    bool first = true;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        if (picture[i] != u'[' || i + 2 >= picture.size() || picture[i + 2] != u']')
            continue;
        const QChar token = picture[i + 1];
        if (token == u'#') {
            pattern += QStringLiteral("\\d?");
        } else if (token == u'-' && first) {
            pattern += QStringLiteral("-?");
        } else {
            pattern += QStringLiteral("(?:") + QRegularExpression::escape(QString(token));
            ++openGroups;
        }
        first = false;
        i += 2;
    }
    for (int i = 0; i < openGroups; ++i)
        pattern += QStringLiteral(")?");
    return pattern;
}

QValidator::State PictureValidator::validate(QString& input, int&) const {
    return pattern_.match(input).hasMatch() ? Acceptable : Invalid;
}
