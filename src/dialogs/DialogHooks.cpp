#include "dialogs/DialogHooks.h"

#include "dialogs/SaveFileDialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <utility>

namespace {

// The installed handlers: a seam for tests and for the application's help window.
struct Handlers {
    MessageHandler message;
    ModalHandler modal;
    FileHandler file;
    HelpHandler help;
    UrlHandler url;
};

Handlers& Installed() {
    static Handlers handlers;
    return handlers;
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

MessageAnswer StandardMessage(QWidget* parent, const MessageRequest& request) {
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(BoxIcon(request.icon), request.title, request.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString StandardFile(QWidget* parent, const FileRequest& request) {
    if (request.save)
        return ChooseSavePath(parent, request);
    QFileDialog dialog(parent, request.caption, request.preset, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.preset.isEmpty())
        dialog.selectFile(request.preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request) {
    if (Installed().message)
        return Installed().message(parent, request);
    return StandardMessage(parent, request);
}

int RunModal(QDialog& dialog) {
    if (Installed().modal)
        return Installed().modal(dialog);
    return dialog.exec();
}

QString ChooseFile(QWidget* parent, const FileRequest& request) {
    if (Installed().file)
        return Installed().file(parent, request);
    return StandardFile(parent, request);
}

void RequestHelp(const QString& context) {
    if (Installed().help)
        Installed().help(context);
}

bool OpenUrl(const QUrl& url) {
    if (Installed().url)
        return Installed().url(url);
    return QDesktopServices::openUrl(url);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Installed().message, std::move(handler));
}

ModalHandler SetModalHandler(ModalHandler handler) {
    return std::exchange(Installed().modal, std::move(handler));
}

FileHandler SetFileHandler(FileHandler handler) {
    return std::exchange(Installed().file, std::move(handler));
}

HelpHandler SetHelpHandler(HelpHandler handler) {
    return std::exchange(Installed().help, std::move(handler));
}

UrlHandler SetUrlHandler(UrlHandler handler) {
    return std::exchange(Installed().url, std::move(handler));
}

QString ApplicationTitle() {
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Quelbox") : name;
}
