#pragma once
// The base of the program's dialogs: F1 opens help at the focused field's context (or the
// dialog's own), and a Help button opens the dialog's context. A dialog is at least as wide as
// its title needs.

#include <QDialog>

class QPushButton;

class KitDialog : public QDialog {
public:
    explicit KitDialog(QWidget* parent = nullptr);

    // The context F1 uses for a field, and the dialog's own context for the Help button.
    static void SetHelpContext(QWidget* field, const QString& context);
    void setDialogHelpContext(const QString& context) { dialogContext_ = context; }

    // The help context for F1 with `focus` focused.
    QString helpContextFor(const QWidget* focus) const;

    // A button box with the given buttons (Help opens the dialog's context). Without a
    // `helpText` the Help button takes a letter of "Help" that no other control of the dialog
    // uses as its mnemonic when the dialog is first shown.
    QWidget* makeButtons(const QString& okText, const QString& cancelText, bool withHelp,
                         const QString& helpText = {});

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Called by the OK button; the default accepts.
    virtual void confirm() { accept(); }

private:
    void fitTitle();

    QString dialogContext_;
    QPushButton* freeHelp_ = nullptr; // the Help button still to get a free letter
    bool titleFitted_ = false;
};
