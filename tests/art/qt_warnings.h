// Collects the Qt warnings issued while it lives, so a test can insist on none.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace morvello {

class QtWarnings {
  public:
    QtWarnings() { previous_ = qInstallMessageHandler(&QtWarnings::collect); }
    ~QtWarnings() { qInstallMessageHandler(previous_); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    static QStringList& seen() {
        static QStringList messages;
        return messages;
    }

  private:
    static void collect(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) seen().append(text);
    }
    QtMessageHandler previous_;
};

}  // namespace morvello
