// morvello: the game window.
#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>

#include "app/game_window.h"
#include "app/language.h"
#include "app/window_place.h"
#include "cards/shuffle.h"

namespace {

constexpr int kUsageError = 2;

bool envFlag(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::string(value) != "0";
}

// Test and benchmark hooks; a player never sets them.
morvello::WindowOptions optionsFromEnvironment() {
    morvello::WindowOptions options;
    if (const char* scale = std::getenv("MORVELLO_DELAY_SCALE"))
        options.delayScale = std::atof(scale);
    options.autoDraw = envFlag("MORVELLO_AUTODRAW") || envFlag("MORVELLO_AUTOPLAY");
    options.autoPlay = envFlag("MORVELLO_AUTOPLAY");
    options.printFirstPaint = envFlag("MORVELLO_PRINT_EVENTS");
    options.printHumanTurn = envFlag("MORVELLO_PRINT_EVENTS");
    options.printMusicMenu = envFlag("MORVELLO_PRINT_EVENTS");
    options.printResume = envFlag("MORVELLO_PRINT_EVENTS");
    options.printTable = envFlag("MORVELLO_PRINT_EVENTS");
    options.sound = !envFlag("MORVELLO_SILENT");
    if (const char* seed = std::getenv("MORVELLO_SEED")) {  // the same deals every run
        options.match.newDeck = [engine = morvello::ShuffleEngine(std::strtoul(seed, nullptr, 10))](
                                    morvello::Deck& deck) mutable {
            morvello::shuffleDeck(deck, engine);
            return true;
        };
    }
    options.store = morvello::ConfigStore::forThisProgram();
    options.statisticsFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    options.unfinishedMatchFolder = options.statisticsFolder;
    options.viewSettings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                           QStringLiteral("/view.ini");
    options.trustedServers = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                             "/trusted-servers.ini";
    options.playerSettings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
                             QStringLiteral("/players.ini");
    return options;
}

int refuseSmallScreen(QApplication& app) {
    QMessageBox box(QMessageBox::NoIcon, "Morvello",
                    QCoreApplication::translate(
                        "Startup",
                        "Too low screen resolution for this program. Please increase the screen "
                        "resolution"),
                    QMessageBox::Ok);
    QObject::connect(&box, &QDialog::finished, &app, &QApplication::quit);
    box.open();
    return app.exec() == 0 ? EXIT_FAILURE : EXIT_FAILURE;
}

}  // namespace

// --join-table ADDRESS CODE, or --host-table PORT: the window starts at a
// table of the network. False, with the reason, on a value it cannot read.
bool readNetworkArguments(const QStringList& arguments, morvello::WindowOptions& options,
                          QString& error) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--join-table")) {
            if (i + 2 >= arguments.size()) {
                error = QStringLiteral("--join-table needs an address and a code");
                return false;
            }
            options.joinTable.emplace(QUrl(arguments[i + 1]), arguments[i + 2]);
            i += 2;
        } else if (arguments[i] == QLatin1String("--host-table")) {
            bool ok = false;
            const uint port = i + 1 < arguments.size() ? arguments[++i].toUInt(&ok) : 0;
            if (!ok || port > 65535) {
                error = QStringLiteral("--host-table needs a port");
                return false;
            }
            options.hostTable = static_cast<quint16>(port);
        }
    }
    return true;
}

int main(int argc, char** argv) {
    // The audio library must not take over SIGINT and SIGTERM: they end the game.
    qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Morvello");
    // The desktop entry and the icon of the installed game carry this name.
    QApplication::setDesktopFileName(MORVELLO_APP_ID);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/icon.svg")));
    const morvello::LanguageArgument asked = morvello::languageArgument(app.arguments());
    if (!asked.error.isEmpty()) {
        std::fprintf(stderr, "morvello: %s\n", qPrintable(asked.error));
        return kUsageError;
    }
    const QLocale locale = asked.code ? QLocale(*asked.code) : QLocale::system();
    QLocale::setDefault(locale);  // numbers, and the clock, as the language writes them
    const morvello::GameLanguage language(
        locale, morvello::translationsFolder(QCoreApplication::applicationDirPath().toStdString()));
    if (asked.code && language.language().isEmpty() && locale.language() != QLocale::English &&
        locale.language() != QLocale::C)
        std::fprintf(stderr,
                     "morvello: no catalogue for the language %s; the game speaks English\n",
                     qPrintable(*asked.code));
    const QScreen* screen = QApplication::primaryScreen();
    const QSize available = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    if (!morvello::screenLargeEnough(available)) return refuseSmallScreen(app);

    morvello::WindowOptions options = optionsFromEnvironment();
    QString networkError;
    if (!readNetworkArguments(app.arguments(), options, networkError)) {
        std::fprintf(stderr, "morvello: %s\n", qPrintable(networkError));
        return kUsageError;
    }
    morvello::GameWindow window(std::move(options));
    window.setUp();
    const morvello::WindowPlace place = morvello::WindowPlace::forThisUser();
    if (!place.restore(window)) {
        const QSize area = morvello::GameWindow::openingTableArea(available);
        window.resize(area.width(), area.height() + window.menuBar()->sizeHint().height() +
                                        window.statusBar()->sizeHint().height());
    }
    window.show();
    const int status = app.exec();
    place.save(window);
    return status;
}
