// One QApplication for the Qt tests of a test program.
#pragma once

#include <QApplication>

namespace morvello::testing {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "morvello-tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

}  // namespace morvello::testing
