#include "dialogs/Mnemonics.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" stands for "&"
    }
    return {};
}

QSet<QChar> UsedMnemonics(const QWidget* dialog, const QWidget* except) {
    QSet<QChar> used;
    const auto add = [&used](const QString& text) {
        if (const QChar letter = MnemonicOf(text); !letter.isNull())
            used.insert(letter);
    };
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        if (label != except)
            add(label->text());
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button != except)
            add(button->text());
    for (const QGroupBox* group : dialog->findChildren<QGroupBox*>())
        add(group->title());
    for (const QTabBar* tabs : dialog->findChildren<QTabBar*>())
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i));
    return used;
}

QString WithFreeMnemonic(const QString& text, const QSet<QChar>& used) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetterOrNumber() && !used.contains(text[i].toLower()))
            return text.left(i) + u'&' + text.mid(i);
    return text;
}
