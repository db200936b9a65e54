#include "GuiApplication.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }

    std::unique_ptr<QGuiApplication> application;
};

GuiApplicationEnvironment* environment = nullptr;
int argc = 1;
char applicationName[] = "test_formlib";
char* argv[] = {applicationName, nullptr};

} // namespace

void EnsureGuiApplication() {
    if (environment == nullptr) {
        environment = static_cast<GuiApplicationEnvironment*>(
            ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment));
    }
    if (!environment->application) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        environment->application = std::make_unique<QGuiApplication>(argc, argv);
    }
}
