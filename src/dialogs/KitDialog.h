#pragma once
// The base of the program's dialogs: F1 opens help at the focused field's context (or the
// dialog's own), and a Help button opens the dialog's context.

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

    // A button box with the given buttons (Help opens the dialog's context).
    QWidget* makeButtons(const QString& okText, const QString& cancelText, bool withHelp);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Called by the OK button; the default accepts.
    virtual void confirm() { accept(); }

private:
    QString dialogContext_;
};
