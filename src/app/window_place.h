// The window's size, position and maximized state, kept between runs in a file of
// its own in the user's configuration folder (config.qvr holds only its 50 lines).
#pragma once

#include <QString>

class QWidget;

namespace morvello {

class WindowPlace {
  public:
    explicit WindowPlace(QString file);

    // window.ini in QStandardPaths::AppConfigLocation. Needs the QCoreApplication.
    static WindowPlace forThisUser();

    // Puts the window where it was when last saved; false, leaving it as it is,
    // when nothing usable was saved.
    bool restore(QWidget& window) const;
    // Remembers the window's place, maximized or not; false when it cannot be saved.
    bool save(const QWidget& window) const;

  private:
    QString file_;
};

}  // namespace morvello
