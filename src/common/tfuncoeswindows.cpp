#include "common/tfuncoeswindows.h"

#include "common/exception.h"
#include "common/filehelpers.h"

#include <QDir>
#include <QProcess>
#include <QSysInfo>

#include <pwd.h>
#include <unistd.h>

namespace {
const QChar DQ = u'"';
}

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

QString TFuncoesWindows::GetSaidaComandoDOS(const QString& commandLine, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
    if (!process.waitForStarted())
        return QString();
    process.waitForFinished(-1); // no time limit
    return QString::fromLocal8Bit(process.readAll());
}

TFuncoesWindows::PortUser TFuncoesWindows::portUserFromNetstat(const QString& output,
                                                               const QString& port,
                                                               const QString& serviceName,
                                                               const QString& executable) {
    PortUser result;
    const QStringList lines = splitLines(output);
    const QString wanted = port.trimmed();
    qsizetype match = -1;
    for (qsizetype i = 0; i < lines.size() && match < 0; ++i) {
        if (!lines[i].contains(QLatin1String("TCP")))
            continue;
        const QString local = lines[i].mid(9, 23); // characters 10 to 32: the local address
        const qsizetype colon = local.indexOf(u':');
        if (colon >= 0 && local.mid(colon + 1).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            match = i;
    }
    if (match < 0)
        return result;
    QString exe;
    QString service;
    auto executableOf = [](QString line) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1); // the closing bracket is the line's last character
        const qsizetype open = line.indexOf(u'[');
        return line.mid(open + 1, line.size() - 1 - (open + 1)).trimmed();
    };
    for (qsizetype i = match + 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.contains(u'[')) {
            exe = executableOf(line);
            break;
        }
        if (line.contains(QLatin1String("TCP")))
            break; // the next connection: its owner is not this one's
        if (i + 1 < lines.size() && lines[i + 1].contains(u'[')) {
            service = line.trimmed();
            exe = executableOf(lines[i + 1]);
            break;
        }
    }
    if (!service.isEmpty()) {
        result.inUseByAnother = service.compare(serviceName.trimmed(), Qt::CaseInsensitive) != 0;
        if (result.inUseByAnother) {
            result.executable = exe;
            result.service = service;
        }
    } else {
        result.inUseByAnother = exe.compare(executable.trimmed(), Qt::CaseInsensitive) != 0;
        if (result.inUseByAnother)
            result.executable = exe;
    }
    return result;
}

bool TFuncoesWindows::PortaEmUsoNoWindows(const QString& port, const QString& serviceName,
                                          const QString& executable, QString& usingExecutable,
                                          QString& usingService) {
    usingExecutable.clear();
    usingService.clear();
    if (port.trimmed().isEmpty())
        throw Exception(QStringLiteral("Porta não informada!"));
    const PortUser user = portUserFromNetstat(GetSaidaComandoDOS(netstatCommand(), TempPath()),
                                              port, serviceName, executable);
    usingExecutable = user.executable;
    usingService = user.service;
    return user.inUseByAnother;
}

QString TFuncoesWindows::PortaEmUsoNoWindows(const QString& port, const QString& executable,
                                             const QString& serviceName) {
    if (port.trimmed().isEmpty())
        return QStringLiteral("Porta não informada!");
    QString exe;
    QString service;
    if (!PortaEmUsoNoWindows(port, serviceName, executable, exe, service))
        return QString();
    QString message =
        QStringLiteral("A porta ") + DQ + port + DQ + QStringLiteral(" informada está em uso pelo");
    if (!service.isEmpty())
        message += QStringLiteral(" serviço ") + DQ + service + DQ + u'!';
    else
        message += QStringLiteral(" aplicativo ") + DQ + exe + DQ + u'!';
    return message;
}

QString TFuncoesWindows::wmicCommand(const QString& printerName) {
    return QStringLiteral("wmic PRINTER WHERE DeviceID=") + DQ + printerName + DQ +
           QStringLiteral(" GET PortName ");
}

QString TFuncoesWindows::printerPortFromWmic(const QString& output, const QString& printerName) {
    if (output.trimmed().isEmpty())
        throw Exception(QStringLiteral("Impressora ") + DQ + printerName + DQ +
                        QStringLiteral(" não localizada!"));
    for (const QString& line : splitLines(output)) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() ||
            trimmed.compare(QLatin1String("PortName"), Qt::CaseInsensitive) == 0)
            continue;
        return line.left(20).trimmed();
    }
    throw Exception(QStringLiteral("Porta da Impressora ") + DQ + printerName + DQ +
                    QStringLiteral(" não localizada!"));
}

QString TFuncoesWindows::PortaUtilizadaImpressora(const QString& printerName) {
    if (printerName.trimmed().isEmpty())
        throw Exception(QStringLiteral("Nome da Impressora não informado!"));
    return printerPortFromWmic(GetSaidaComandoDOS(wmicCommand(printerName), TempPath()),
                               printerName);
}
