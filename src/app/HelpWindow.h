#pragma once
// The help window: the HTML pages of help/ shown at a context ("contents", "1088", ...), with a
// find line that searches the page shown.
//
// It is a secondary window of the main window (its home), kept above it. Asked for while a modal
// dialog runs, it becomes a secondary window of that dialog, placed beside it: the window manager
// keeps it above the dialog, and the dialog's modality does not block it. When the dialog closes,
// help goes back to the window under it, where it stood, and leaves the focus to that window.

#include <QPointer>
#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* home = nullptr);

    // The help folder: beside the program, or share/quelbox/help of an installation.
    static QString HelpFolder();
    // The page holding a context's anchor.
    static QString PageOf(const QString& context);

    // Opens the page at the context's anchor, then shows and raises the window (beside the modal
    // dialog running, if any) and gives it the focus. False when the page is missing.
    bool showContext(const QString& context);
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* findLine() const { return find_; }
    // Highlights the next place of the find line's text, from the top again after the last one.
    bool findNext();

private:
    // The running modal dialog, or home when none runs.
    QWidget* owner() const;
    // Becomes a secondary window of `dialog`, beside it.
    void openBeside(QWidget* dialog);
    // Becomes `window`'s secondary window at the same place, shown as it was, without taking the
    // focus from `window`.
    void stayWith(QWidget* window);
    // Follows the next owner when `window`, a dialog, closes.
    void watch(QWidget* window);
    void ownerClosed();

    QPointer<QWidget> home_;
    QSize wantedSize_; // the size help had before placing beside a dialog narrowed it
    QSize fittedSize_; // the size that placing gave it
    QTextBrowser* browser_;
    QLineEdit* find_;
};
