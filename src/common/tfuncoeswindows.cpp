#include "tfuncoeswindows.h"

#include <QDir>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

QString TFuncoesWindows::NomeMaquina() {
    return QSysInfo::machineHostName();
}

QString TFuncoesWindows::UsuarioWindows() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QString TFuncoesWindows::TempPath() {
    QString path = QDir::toNativeSeparators(QDir::tempPath());
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}
