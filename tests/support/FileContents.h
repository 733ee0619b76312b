#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Files as bytes, for tests that spoil a file or show that nothing was written.
QByteArray fileBytes(const QString &path);
// Replaces the file's contents; fails the test when it cannot.
void overwriteFile(const QString &path, const QByteArray &content);
// Every file under the folder, by path, with its bytes.
QMap<QString, QByteArray> folderContents(const QString &folder);
