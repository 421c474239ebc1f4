// A QGuiApplication for the command's tests: writing pictures needs fonts.
#pragma once

#include <QGuiApplication>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace quillmark::test {

class CliGuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QGuiApplication::instance() != nullptr) return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "quillmark-cli-test";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QGuiApplication* app_ = nullptr;
};

inline ::testing::Environment* const kCliGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new CliGuiEnvironment);

}  // namespace quillmark::test
