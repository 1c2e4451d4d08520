#pragma once

#include <QString>

// Questions the program asks its host. The port and printer queries run the host's command
// line tools and read their output; the readers of that output are separate so that they can
// be checked on captured output.
class TFuncoesWindows {
public:
    TFuncoesWindows() = delete;
    // The computer's name.
    static QString NomeMaquina();
    // The logged-on user's name.
    static QString UsuarioWindows();
    // The user's temporary folder, ending with a separator.
    static QString TempPath();
    // Runs the command line through the host's shell in the folder and returns what it wrote
    // to standard output and standard error; empty when it could not be started.
    static QString GetSaidaComandoDOS(const QString& commandLine, const QString& folder);

    struct PortUser {
        bool inUseByAnother = false;
        QString executable;
        QString service;
    };
    // Whether another program than the given one uses the TCP port. Raises "Porta não
    // informada!" for a blank port.
    static bool PortaEmUsoNoWindows(const QString& port, const QString& serviceName,
                                    const QString& executable, QString& usingExecutable,
                                    QString& usingService);
    // The message form: empty when the port is free or used by the given program.
    static QString PortaEmUsoNoWindows(const QString& port, const QString& executable,
                                       const QString& serviceName);
    // The name of the port the printer is attached to.
    static QString PortaUtilizadaImpressora(const QString& printerName);

    // Readers of the tools' output.
    static PortUser portUserFromNetstat(const QString& output, const QString& port,
                                        const QString& serviceName, const QString& executable);
    static QString printerPortFromWmic(const QString& output, const QString& printerName);
    static QString netstatCommand() { return QStringLiteral("netstat -a -b -p TCP"); }
    static QString wmicCommand(const QString& printerName);
};
