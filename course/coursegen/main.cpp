#include "course/coursegen/CourseMedia.h"
#include "course/coursegen/CoursePlan.h"
#include "course/coursegen/CourseTables.h"
#include "course/coursegen/FolderBuilder.h"
#include "course/coursegen/TableError.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <utility>

// Builds the program folder from the course tables:
//   coursegen --tables course/tables --out build/program [--manifest FILE]
int main(int argc, char **argv)
{
    // Drawing text needs the font machinery of a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("coursegen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the course's program folder from its tables."));
    parser.addHelpOption();
    const QCommandLineOption tablesOption(QStringLiteral("tables"),
                                          QStringLiteral("Folder of the course tables (*.tsv)."),
                                          QStringLiteral("dir"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("The program folder to build."),
                                       QStringLiteral("folder"));
    const QCommandLineOption manifestOption(
        QStringLiteral("manifest"),
        QStringLiteral("Where to keep the record of what was made (default: beside the "
                       "folder, <folder>.coursegen-manifest)."),
        QStringLiteral("file"));
    const QCommandLineOption jobsOption(QStringLiteral("jobs"),
                                        QStringLiteral("Files made at once (default: cores)."),
                                        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Make every file again."));
    const QCommandLineOption picturesOption(
        QStringLiteral("pictures-library"),
        QStringLiteral("The drawing library's binary: pictures are made again when it changes."),
        QStringLiteral("file"));
    const QCommandLineOption soundsOption(
        QStringLiteral("sounds-library"),
        QStringLiteral("The sound library's binary: recordings are made again when it changes."),
        QStringLiteral("file"));
    parser.addOptions({tablesOption, outOption, manifestOption, jobsOption, forceOption,
                       picturesOption, soundsOption});
    parser.process(app);
    if (!parser.isSet(tablesOption) || !parser.isSet(outOption)) {
        std::fprintf(stderr, "coursegen: --tables and --out are required\n");
        return 64;
    }

    // Every table is read and checked, and the whole folder planned, before
    // anything is written.
    coursegen::CoursePlan plan;
    try {
        plan =
            coursegen::CoursePlan::make(coursegen::CourseTables::load(parser.value(tablesOption)));
    } catch (const coursegen::TableError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }

    const QString out = QDir::cleanPath(parser.value(outOption));
    const QString manifest = parser.isSet(manifestOption)
                                 ? parser.value(manifestOption)
                                 : out + QStringLiteral(".coursegen-manifest");
    coursegen::FolderBuilder builder(out, manifest, coursegen::makeCourseMedium);
    builder.setThreadCount(parser.value(jobsOption).toInt());
    builder.setForce(parser.isSet(forceOption));
    for (const auto &[option, family] :
         {std::pair{&picturesOption, coursegen::MediaFamily::Pictures},
          std::pair{&soundsOption, coursegen::MediaFamily::Sounds}}) {
        if (!parser.isSet(*option))
            continue;
        QFile library(parser.value(*option));
        if (!library.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "coursegen: cannot read %s\n", qPrintable(library.fileName()));
            return 64;
        }
        QCryptographicHash digest(QCryptographicHash::Sha1);
        digest.addData(&library);
        builder.setGeneratorFingerprint(family, digest.result().toHex());
    }
    const coursegen::BuildSummary summary = builder.build(plan);
    for (const QString &error : summary.errors)
        std::fprintf(stderr, "coursegen: %s\n", qPrintable(error));
    std::printf("%s\n", qPrintable(summary.line()));
    return summary.ok() ? 0 : 2;
}
