// bench_table RESULTS: the table of headline figures against their goals,
// from the Google Benchmark JSON files bench.sh leaves in RESULTS
// (<bench>.json). Exits 1 when a goal is missed or a figure is missing.

#include "bench/support/BenchGoals.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cmath>
#include <cstdio>
#include <map>

namespace {

QJsonArray readRuns(const QDir &results, const QString &bench)
{
    QFile file(results.filePath(bench + QStringLiteral(".json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()
        .value(QStringLiteral("benchmarks"))
        .toArray();
}

double seconds(const QString &unit)
{
    if (unit == QLatin1String("ns"))
        return 1e-9;
    if (unit == QLatin1String("us"))
        return 1e-6;
    if (unit == QLatin1String("ms"))
        return 1e-3;
    return 1;
}

// The run a goal speaks of: its name up to the options, and the aggregate.
QJsonObject findRun(const QJsonArray &runs, const BenchGoal &goal)
{
    const QString name = QString::fromLatin1(goal.run);
    for (const QJsonValue &value : runs) {
        const QJsonObject run = value.toObject();
        const QString runName = run.value(QStringLiteral("run_name")).toString();
        if (runName != name && !runName.startsWith(name + u'/'))
            continue;
        const QString aggregate = run.value(QStringLiteral("aggregate_name")).toString();
        if (goal.aggregate == nullptr ? aggregate.isEmpty()
                                      : aggregate == QLatin1String(goal.aggregate))
            return run;
    }
    return {};
}

struct Row
{
    QString value;
    QString goal;
    QString result;
};

Row evaluate(const QJsonArray &runs, const BenchGoal &goal)
{
    const QString unit = QString::fromLatin1(goal.unit);
    const QString limit = goal.informational ? QStringLiteral("-")
                                             : QStringLiteral("%1 %2 %3")
                                                   .arg(goal.atMost ? "<=" : "<")
                                                   .arg(goal.limit)
                                                   .arg(unit)
                                                   .trimmed();
    const QJsonObject run = findRun(runs, goal);
    if (run.isEmpty())
        return {QStringLiteral("missing"), limit, QStringLiteral("FAIL")};
    if (run.value(QStringLiteral("error_occurred")).toBool())
        return {run.value(QStringLiteral("error_message")).toString(), limit,
                QStringLiteral("FAIL")};
    const QString field = QString::fromLatin1(goal.field);
    if (!run.contains(field))
        return {QStringLiteral("missing"), limit, QStringLiteral("FAIL")};
    double value = run.value(field).toDouble();
    if (field == QLatin1String("real_time"))
        value *= seconds(run.value(QStringLiteral("time_unit")).toString()) / seconds(unit);
    const int decimals = unit.isEmpty() ? 0 : (value < 10 ? 2 : 1);
    const QString shown = QStringLiteral("%1 %2").arg(value, 0, 'f', decimals).arg(unit).trimmed();
    if (goal.informational)
        return {shown, limit, QStringLiteral("-")};
    const bool met = goal.atMost ? value <= goal.limit : value < goal.limit;
    return {shown, limit, met ? QStringLiteral("pass") : QStringLiteral("FAIL")};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: bench_table RESULTS_FOLDER\n", stderr);
        return 64;
    }
    const QDir results(QString::fromLocal8Bit(argv[1]));
    std::map<QString, QJsonArray> runsOf;
    bool allMet = true;
    std::printf("%-44s %-16s %-12s %s\n", "measure", "value", "goal", "result");
    for (const BenchGoal &goal : benchGoals()) {
        const QString bench = QString::fromLatin1(goal.bench);
        if (runsOf.count(bench) == 0)
            runsOf[bench] = readRuns(results, bench);
        const Row row = evaluate(runsOf[bench], goal);
        allMet = allMet && row.result != QLatin1String("FAIL");
        std::printf("%-44s %-16s %-12s %s\n", goal.measure, qPrintable(row.value),
                    qPrintable(row.goal), qPrintable(row.result));
    }
    return allMet ? 0 : 1;
}
