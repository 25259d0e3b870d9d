#include "ui/launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "ui/message_box.h"

namespace ui {
namespace {

QString programKey(QString name) {
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1).trimmed().toLower();
    if (name.endsWith(QLatin1String(".exe"))) name.chop(4);
    return name;
}

QString findIn(const QString& folder, const QString& key) {
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        if (programKey(entry.fileName()) == key) return entry.absoluteFilePath();
    return {};
}

}  // namespace

QString findProgram(const QString& fileName) {
    const QString key = programKey(fileName);
    if (key.isEmpty()) return {};
    const QString beside = findIn(QCoreApplication::applicationDirPath(), key);
    return beside.isEmpty() ? findIn(QDir::currentPath(), key) : beside;
}

QString tryStartProgram(const QString& fileName) {
    const QString path = findProgram(fileName);
    if (path.isEmpty())
        return QStringLiteral("Cannot start %1: the program was not found beside %2 or in %3.")
            .arg(fileName.section(QLatin1Char('\\'), -1), QCoreApplication::applicationDirPath(),
                 QDir::currentPath());
    QProcess process;
    process.setProgram(path);
    process.setWorkingDirectory(QDir::currentPath());
    // Null devices, so the started program never holds the starter's pipes open.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return QStringLiteral("Cannot start %1: %2").arg(path, process.errorString());
    return {};
}

bool startProgram(const QString& fileName) {
    const QString problem = tryStartProgram(fileName);
    if (problem.isEmpty()) return true;
    messageBox(problem, Buttons::Ok, {}, Icon::Critical);
    return false;
}

}  // namespace ui
