// One QApplication for the Qt tests of a test program.
#pragma once

#include <QApplication>

namespace morvello::testing {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "morvello-tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own global objects (input devices among them)
    // are torn down first, and an application object destroyed after them crashes.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

}  // namespace morvello::testing
