#include "TablesFixture.h"
#include "tests/support/BuildSlowdown.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

// The whole course takes the tool some seconds; a sanitized tool, many times that.
constexpr int RunLimitMs = scaledForBuild(60000);

// The tool as the build runs it, on spoilt tables: it must stop before it
// writes anything.
class CommandLineTest : public coursegentest::TablesFixture
{
protected:
    int run(const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(OSTRANA_COURSEGEN), arguments);
        if (!process.waitForFinished(RunLimitMs)) {
            ADD_FAILURE() << "coursegen still ran after " << RunLimitMs / 1000 << " s";
            return -1;
        }
        errors = QString::fromUtf8(process.readAllStandardError());
        output = QString::fromUtf8(process.readAllStandardOutput());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QString out() const { return path(QStringLiteral("program")); }

    QString errors;
    QString output;
};

TEST_F(CommandLineTest, MalformedRowStopsTheToolBeforeAnythingIsWritten)
{
    const int line =
        replaceLine(QStringLiteral("consonants.tsv"), QStringLiteral("g\t"),
                    QStringLiteral("g\tગ\tGA\tગ\tગાજર\t-\t🥕\tગુલાબ\t-"));
    EXPECT_EQ(run({QStringLiteral("--tables"), folder(), QStringLiteral("--out"), out()}), 1);
    EXPECT_TRUE(errors.contains(
        QStringLiteral("consonants.tsv:%1: expected 10 columns, found 9").arg(line)))
        << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out()));
}

TEST_F(CommandLineTest, MissingArgumentsAreAUsageError)
{
    EXPECT_EQ(run({QStringLiteral("--tables"), folder()}), 64);
    EXPECT_TRUE(errors.contains(QStringLiteral("--out"))) << errors.toStdString();
}

TEST_F(CommandLineTest, UnknownLevelItemIsReportedWithItsLine)
{
    const int line = replaceLine(QStringLiteral("levels.tsv"), QStringLiteral("6\t"),
                                 QStringLiteral("6\tconsonants\tv X S s h L R Z\t8\twhy"));
    EXPECT_EQ(run({QStringLiteral("--tables"), folder(), QStringLiteral("--out"), out()}), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("levels.tsv:%1: unknown item \"Z\"").arg(line)))
        << errors.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out()));
}

// Same tables, same bytes, however many files are made at once.
TEST_F(CommandLineTest, TwoRunsMakeByteIdenticalFolders)
{
    const QString first = path(QStringLiteral("first"));
    const QString second = path(QStringLiteral("second"));
    ASSERT_EQ(run({QStringLiteral("--tables"), folder(), QStringLiteral("--out"), first}), 0)
        << errors.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral(" made, 0 up to date"))) << output.toStdString();
    ASSERT_EQ(run({QStringLiteral("--tables"), folder(), QStringLiteral("--out"), second,
                   QStringLiteral("--jobs"), QStringLiteral("3")}),
              0)
        << errors.toStdString();

    QStringList differing;
    int compared = 0;
    QDirIterator it(first, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString a = it.next();
        QFile left(a);
        QFile right(second + a.mid(first.size()));
        ASSERT_TRUE(left.open(QIODevice::ReadOnly));
        ASSERT_TRUE(right.open(QIODevice::ReadOnly)) << right.fileName().toStdString();
        if (left.readAll() != right.readAll())
            differing << a.mid(first.size());
        ++compared;
    }
    EXPECT_GT(compared, 1000);
    EXPECT_TRUE(differing.isEmpty())
        << differing.size() << " files differ, such as " << differing.first().toStdString();

    // A second run over the same folder finds everything up to date.
    ASSERT_EQ(run({QStringLiteral("--tables"), folder(), QStringLiteral("--out"), first}), 0);
    EXPECT_TRUE(output.contains(QStringLiteral(" 0 made, "))) << output.toStdString();
}

} // namespace
