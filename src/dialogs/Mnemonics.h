#pragma once
// Keyboard mnemonics ("&Height": Alt+H) of a dialog's labels, buttons, group boxes and tabs.

#include <QChar>
#include <QSet>
#include <QString>

class QWidget;

// The mnemonic letter of a text, lower case; a null character when it has none ("&&" is a
// literal ampersand).
QChar MnemonicOf(const QString& text);

// The mnemonic letters of every label, button, group box and tab inside `dialog`, except those
// of `except`.
QSet<QChar> UsedMnemonics(const QWidget* dialog, const QWidget* except);

// `text` with an ampersand before its first letter that is not in `used`; `text` unchanged when
// every letter is taken.
QString WithFreeMnemonic(const QString& text, const QSet<QChar>& used);
