// empty-window: an empty Qt 6 main window, the yardstick for the game's start-up
// time. With MORVELLO_PRINT_EVENTS set it prints "painted <ms since the epoch>"
// on its first paint, as the game does.
#include <QApplication>
#include <QDateTime>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>

namespace {

class EmptyWindow : public QMainWindow {
  public:
    EmptyWindow() {
        setCentralWidget(new QWidget);
        centralWidget()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint) {
            painted_ = true;
            if (std::getenv("MORVELLO_PRINT_EVENTS")) {
                std::printf("painted %lld\n",
                            static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
                std::fflush(stdout);
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(1024, 800);
    window.show();
    return app.exec();
}
