#pragma once
// Every message box, modal dialog, file dialog, help request and file handed to the desktop goes
// through these functions. Each has a replaceable handler, so tests answer the prompts without
// blocking and the application routes help requests to its help window.

#include <QString>

#include <functional>

class QDialog;
class QUrl;
class QWidget;

enum class MessageIcon { Information, Exclamation, Question, Stop };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageHandler = std::function<MessageAnswer(QWidget* parent, const MessageRequest&)>;
using ModalHandler = std::function<int(QDialog& dialog)>;

struct FileRequest {
    bool save = false; // Save dialog (confirms overwriting) or Open dialog (file must exist)
    QString caption;
    QString preset; // the current file name
    QString filter; // Qt form: "Description (*.ext);;..."
    QString defaultSuffix;
};
// Returns the chosen path, or an empty text when the user cancelled.
using FileHandler = std::function<QString(QWidget* parent, const FileRequest&)>;

using HelpHandler = std::function<void(const QString& context)>;
// Opens a file or address in the desktop's program for it; false when none could be started.
using UrlHandler = std::function<bool(const QUrl& url)>;

MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request);
int RunModal(QDialog& dialog);
QString ChooseFile(QWidget* parent, const FileRequest& request);
// Opens help at a context ("1088", ..., or "contents").
void RequestHelp(const QString& context);
bool OpenUrl(const QUrl& url);

// Each setter installs a handler (an empty one restores the standard behaviour) and returns the
// handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);
ModalHandler SetModalHandler(ModalHandler handler);
FileHandler SetFileHandler(FileHandler handler);
HelpHandler SetHelpHandler(HelpHandler handler);
UrlHandler SetUrlHandler(UrlHandler handler);

// The application's name, the title of the range messages.
QString ApplicationTitle();
