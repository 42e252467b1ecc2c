// What this suite guards: the committed SVG files (the deck, the title, the icon)
// are exactly what the generator writes today.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList svgFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
}

TEST(ArtGenerator, CommittedArtIsUpToDate) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess gen;
    gen.start(QStringLiteral(MORVELLO_ARTGEN), {out.path()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().toStdString();

    const QString committed = QStringLiteral(MORVELLO_ART_DIR);
    const QStringList names = svgFiles(out.path());
    EXPECT_EQ(names.size(), 44);
    EXPECT_EQ(names, svgFiles(committed)) << "regenerate with the morvello-art-update target";
    for (const QString& name : names) {
        EXPECT_EQ(contents(out.filePath(name)), contents(committed + '/' + name))
            << qPrintable(name) << " differs: regenerate with the morvello-art-update target";
    }
}

}  // namespace
