#include "grid_test_support.h"

#include <gtest/gtest.h>

#include <QTest>

// The widget tests have their own main: the application object must be gone before the
// program's static objects are destroyed.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

QApplication& TestApplication() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

void ShowActive(QWidget& window) {
    TestApplication();
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
}

MessageRecorder::MessageRecorder() {
    TGValidator::SetMessageHandler([this](QWidget*, const QString& title, const QString& text) {
        messages.push_back({title, text});
    });
}

MessageRecorder::~MessageRecorder() {
    TGValidator::SetMessageHandler(nullptr);
}
