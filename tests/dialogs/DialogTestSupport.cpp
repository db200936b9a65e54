#include "DialogTestSupport.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <random>

namespace {

int argc = 1;
char name[] = "quelbox_tests";
char* argv[] = {name, nullptr};

class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }
    std::unique_ptr<QApplication> application;
};

ApplicationEnvironment* environment = nullptr;

} // namespace

void EnsureApplication() {
    if (environment == nullptr) {
        environment = static_cast<ApplicationEnvironment*>(
            ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment));
    }
    if (!environment->application) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        environment->application = std::make_unique<QApplication>(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Quelbox"));
    }
}

MessageScript::MessageScript(std::deque<MessageAnswer> answers) : answers_(std::move(answers)) {
    previous_ = SetMessageHandler([this](QWidget*, const MessageRequest& request) {
        shown.push_back(request);
        if (answers_.empty())
            return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

MessageScript::~MessageScript() {
    SetMessageHandler(previous_);
}

ModalScript::ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
    previous_ = SetModalHandler([this](QDialog& dialog) {
        opened.push_back(dialog.objectName());
        if (steps_.empty()) {
            ++unexpected;
            return static_cast<int>(QDialog::Rejected);
        }
        const Step step = steps_.front();
        steps_.pop_front();
        return step(dialog);
    });
}

ModalScript::~ModalScript() {
    SetModalHandler(previous_);
}

FileScript::FileScript(std::deque<QString> paths) : paths_(std::move(paths)) {
    previous_ = SetFileHandler([this](QWidget*, const FileRequest& request) {
        asked.push_back(request);
        if (paths_.empty())
            return QString();
        const QString path = paths_.front();
        paths_.pop_front();
        return path;
    });
}

FileScript::~FileScript() {
    SetFileHandler(previous_);
}

void SetField(QDialog& dialog, const char* fieldName, const QString& text) {
    QWidget* field = dialog.findChild<QWidget*>(QLatin1String(fieldName));
    ASSERT_NE(field, nullptr) << fieldName;
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->setText(text);
    else if (auto* spin = qobject_cast<QSpinBox*>(field))
        spin->setValue(text.toInt());
    else if (auto* date = qobject_cast<QDateEdit*>(field))
        date->setDate(QDate::fromString(text, QStringLiteral("MM/dd/yyyy")));
}

QString FieldText(QDialog& dialog, const char* fieldName) {
    if (auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(fieldName)))
        return edit->text();
    if (auto* spin = dialog.findChild<QAbstractSpinBox*>(QLatin1String(fieldName)))
        return spin->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(fieldName));
}

int ClickOk(QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    return dialog.result();
}

int ClickCancel(QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    return dialog.result();
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("quelbox-ui-" + std::to_string(seed()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
