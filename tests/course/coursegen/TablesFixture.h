#pragma once

#include "course/coursegen/CourseTables.h"
#include "course/coursegen/TableError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace coursegentest {

// A copy of the committed tables in a temporary folder, to be spoilt one
// fault at a time.
class TablesFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QDir source(QStringLiteral(OSTRANA_COURSE_TABLES));
        for (const QString &name : source.entryList({QStringLiteral("*.tsv")}, QDir::Files))
            ASSERT_TRUE(QFile::copy(source.filePath(name), path(name)));
    }

    QString folder() const { return m_dir.path(); }

    // Puts the committed version of a table back.
    void restoreFile(const QString &name) const
    {
        QFile::remove(path(name));
        ASSERT_TRUE(
            QFile::copy(QDir(QStringLiteral(OSTRANA_COURSE_TABLES)).filePath(name), path(name)));
    }
    void restoreLevels() const { restoreFile(QStringLiteral("levels.tsv")); }
    void restoreConsonants() const { restoreFile(QStringLiteral("consonants.tsv")); }
    void restoreNumerals() const { restoreFile(QStringLiteral("numerals.tsv")); }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QStringList lines(const QString &name) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList result = QString::fromUtf8(file.readAll()).split(u'\n');
        if (!result.isEmpty() && result.last().isEmpty())
            result.removeLast();
        return result;
    }

    void write(const QString &name, const QStringList &content) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((content.join(u'\n') + u'\n').toUtf8());
    }

    // The 1-based line of the first line that starts with the prefix.
    int lineOf(const QString &name, const QString &prefix) const
    {
        const QStringList all = lines(name);
        for (int i = 0; i < all.size(); ++i) {
            if (all.at(i).startsWith(prefix))
                return i + 1;
        }
        ADD_FAILURE() << "no line starts with " << prefix.toStdString();
        return 0;
    }

    // Replaces the line that starts with the prefix; returns its number.
    int replaceLine(const QString &name, const QString &prefix, const QString &line) const
    {
        QStringList all = lines(name);
        const int number = lineOf(name, prefix);
        if (number > 0)
            all[number - 1] = line;
        write(name, all);
        return number;
    }

    // The message of the fault that loading reports; empty when none.
    QString loadError() const
    {
        try {
            coursegen::CourseTables::load(folder());
        } catch (const coursegen::TableError &error) {
            return error.message();
        }
        return {};
    }

private:
    QTemporaryDir m_dir;
};

} // namespace coursegentest
