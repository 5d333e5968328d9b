#pragma once

#include <QTemporaryDir>
#include <QByteArray>
#include <QString>

// A scratch folder that lives as long as the test and small file helpers on it.
class TestFolder
{
public:
    TestFolder();
    QString path() const;
    QString file(const QString& relative) const;
    // Writes bytes to a path below the folder, creating parent folders.
    QString write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    QString makeDir(const QString& relative) const;

private:
    QTemporaryDir dir_;
};

QByteArray readFileBytes(const QString& path);
QString sharedTestData(const QString& relative);
