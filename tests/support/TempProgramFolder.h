#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of its own for one test: a users database with no users,
// a level database with every table for levels 1 to 25, and any media files a
// test asks for. While it lives it is the program folder; at destruction the
// real one comes back and everything is removed.
class TempProgramFolder final
{
public:
    TempProgramFolder();
    ~TempProgramFolder();
    Q_DISABLE_COPY_MOVE(TempProgramFolder)

    QString path() const;
    QString usersDatabase() const;          // <folder>/Kelvo.kdt
    QString levelDatabase(int level) const; // <folder>/levels/level<N>.kdt

    // An empty file at a local path relative to the folder ("sounds/ohm.mp3"),
    // with its folders; returns the full path.
    QString addFile(const QString &relativePath, const QByteArray &content = {});

private:
    QTemporaryDir m_dir;
};
