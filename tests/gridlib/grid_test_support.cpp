#include "grid_test_support.h"

#include <QTest>

QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "test_gridlib_widgets";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
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
