#include "app/statistics_store.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

#include "settings/kept_file_notice.h"

namespace morvello {
namespace {

// Years of statistics take a few KiB.
constexpr files::ReadBound kStatisticsBound{1 << 20};

const QString kTargetKeys[kTargetCount] = {"target21", "target31"};
const char* const kCoupleKeys[2] = {"us", "them"};

QJsonArray numbers(const int* values, int count) {
    QJsonArray array;
    for (int i = 0; i < count; ++i) array.append(values[i]);
    return array;
}

template <std::size_t N>
void readNumbers(const QJsonValue& value, std::array<int, N>& into) {
    const QJsonArray array = value.toArray();
    for (std::size_t i = 0; i < N && i < static_cast<std::size_t>(array.size()); ++i)
        into[i] = array[static_cast<qsizetype>(i)].toInt();
}

QJsonObject recordToJson(const TargetRecord& r) {
    QJsonObject o{{"matches", r.matches},
                  {"won", r.won},
                  {"lost", r.lost},
                  {"abandoned", r.abandoned},
                  {"withTakeBacks", r.withTakeBacks},
                  {"currentStreak", r.currentStreak},
                  {"longestStreak", r.longestStreak},
                  {"deals", r.deals},
                  {"dealPoints", numbers(r.dealPoints.data(), 2)},
                  {"lastTricks", numbers(r.lastTricks.data(), 2)},
                  {"withPeople", r.withPeople},
                  {"wonWithPeople", r.wonWithPeople}};
    QJsonObject declarations;
    for (int couple = 0; couple <= 1; ++couple)
        declarations[kCoupleKeys[couple]] =
            numbers(r.declarations[couple].data(), kDeclarationKinds);
    o["declarations"] = declarations;
    return o;
}

TargetRecord recordFromJson(const QJsonObject& o) {
    TargetRecord r;
    r.matches = o["matches"].toInt();
    r.won = o["won"].toInt();
    r.lost = o["lost"].toInt();
    r.abandoned = o["abandoned"].toInt();
    r.withTakeBacks = o["withTakeBacks"].toInt();
    r.withPeople = o["withPeople"].toInt();
    r.wonWithPeople = o["wonWithPeople"].toInt();
    r.currentStreak = o["currentStreak"].toInt();
    r.longestStreak = o["longestStreak"].toInt();
    r.deals = o["deals"].toInt();
    readNumbers(o["dealPoints"], r.dealPoints);
    readNumbers(o["lastTricks"], r.lastTricks);
    const QJsonObject declarations = o["declarations"].toObject();
    for (int couple = 0; couple <= 1; ++couple)
        readNumbers(declarations[kCoupleKeys[couple]], r.declarations[couple]);
    return r;
}

}  // namespace

QJsonObject statisticsToJson(const Statistics& stats) {
    QJsonObject o{{"version", kStatisticsVersion}};
    for (int t = 0; t < kTargetCount; ++t) o[kTargetKeys[t]] = recordToJson(stats.byTarget[t]);
    return o;
}

// A newer version may shape its figures otherwise: what does not fit is passed over.
StatisticsVersion statisticsFromJson(const QJsonObject& object, Statistics& stats) {
    const int version = object["version"].toInt();
    if (version < 1) return StatisticsVersion::NotStatistics;
    const bool newer = version > kStatisticsVersion;
    for (int t = 0; t < kTargetCount; ++t) {
        const QJsonValue value = object[kTargetKeys[t]];
        if (!value.isUndefined() && !value.isObject()) {
            if (!newer) return StatisticsVersion::NotStatistics;
            continue;
        }
        stats.byTarget[t] = recordFromJson(value.toObject());
    }
    return newer ? StatisticsVersion::Newer : StatisticsVersion::Known;
}

Statistics StatisticsStore::load() {
    files::removeLeftovers(filePath(path()));
    const files::ReadResult read = readAndSay(path(), kStatisticsBound);
    if (read.state != files::FileState::Regular || read.text.empty()) return {};
    Statistics stats;
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(read.text), &error);
    if (read.whole && error.error == QJsonParseError::NoError && document.isObject()) {
        switch (statisticsFromJson(document.object(), stats)) {
            case StatisticsVersion::Known:
                return stats;
            case StatisticsVersion::Newer:
                newer_ = true;
                sayOnce("the statistics file " + path() +
                        " is of a newer version of the game: it is read for what this version "
                        "knows and not replaced; this run's figures are kept until it ends");
                return stats;
            case StatisticsVersion::NotStatistics:
                break;
        }
    }
    setAside();
    return {};
}

void StatisticsStore::setAside() const {
    const QString aside = setAsideKeptFile(path());
    std::fprintf(
        stderr, "morvello: the statistics file %s could not be read; %s; starting again\n",
        qPrintable(path()),
        aside.isEmpty() ? "it could not be set aside either" : qPrintable("set aside as " + aside));
}

bool StatisticsStore::save(const Statistics& stats) const {
    if (newer_) return false;
    const files::SaveResult saved = files::replaceKeptFile(
        filePath(path()), QJsonDocument(statisticsToJson(stats)).toJson().toStdString());
    if (!saved) sayOnce(notSavedReason(path(), saved));
    return static_cast<bool>(saved);
}

}  // namespace morvello
