#pragma once
// The help window: the HTML pages of help/ shown at a context ("contents", "1088", ...), with a
// find line that searches the page shown.

#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The help folder: beside the program, or share/quelbox/help of an installation.
    static QString HelpFolder();
    // The page holding a context's anchor.
    static QString PageOf(const QString& context);

    // Shows, raises and opens the page at the context's anchor. False when the page is missing.
    bool showContext(const QString& context);
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* findLine() const { return find_; }
    // Highlights the next place of the find line's text, from the top again after the last one.
    bool findNext();

private:
    QTextBrowser* browser_;
    QLineEdit* find_;
};
