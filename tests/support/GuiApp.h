// A QGuiApplication for GoogleTest programs: fonts and painters need one, offscreen by default.
#pragma once

#include <QGuiApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace quillmark::test {

class GuiAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QGuiApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quillmark-canvas-test";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    // Destroyed before main() returns, ahead of Qt's own static teardown.
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QGuiApplication* app_ = nullptr;
};

// Registered before main() runs, so every test of the program finds the application.
inline ::testing::Environment* const kGuiAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiAppEnvironment);

}  // namespace quillmark::test
