// morvello-contact-sheet [OUTPUT.png] [--scale N]: draws every picture of the deck
// into one PNG (default contact-sheet.png in the current folder). Runs without a
// display: it uses Qt's offscreen platform unless another one is chosen.
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "contact_sheet.h"
#include "table/card_art.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString output = QStringLiteral("contact-sheet.png");
    qreal scale = 1.0;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toDouble(&ok);
            if (!ok || scale <= 0 || scale > 8) {
                std::fprintf(stderr,
                             "morvello-contact-sheet: --scale wants a number from 0 to 8\n");
                return 2;
            }
        } else if (args[i].startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "usage: morvello-contact-sheet [OUTPUT.png] [--scale N]\n");
            return 2;
        } else {
            output = args[i];
        }
    }
    morvello::CardArt art;
    const QImage sheet = morvello::renderContactSheet(art, scale);
    if (!sheet.save(output, "PNG")) {
        std::fprintf(stderr, "morvello-contact-sheet: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
