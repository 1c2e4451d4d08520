#include "common/companykeys.h"

#include "common/exception.h"
#include "common/md5.h"

#include "common/texthelpers.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each development key is held as 8 rows of 8 characters.
using KeyRows = std::array<const char*, 8>;
constexpr std::array<KeyRows, CompanyKeys::kCount> kDevelopmentKeys = {{
    {"lM61q+R1", "6m%2k@p*", "i&0Z1ZnO", "dM*FI3P-", "5HfM=0A+", "eNzVjdou", "$O?zAJgK",
     "+5-p5@H6"},
    {"WJY5pmB6", "MJ#fwvpk", "adWOs%tU", "QgjH?X*K", "d&&5-sHB", "&T4t*VMM", "RX-UcSS-",
     "N&gbFd4E"},
    {"PFI+OwQc", "u&Z-t50w", "IUoTkuM=", "DsIP+DzK", "CXIX25EJ", "LFZr6JaE", "Ab7Y5prP",
     "lGMX2Grs"},
    {"39rnv0g*", "F1C4tcL?", "Z1Tw-Ye8", "BMe+Fv?-", "@V-jdD0c", "#@?gFepg", "W0yXyT1Z",
     "zEnGCq32"},
    {"xsi?@mQZ", "vg6CtZO3", "HeKswN4*", "E45Bv7o&", "HqZM4-=t", "%h1ku1a?", "gCpQSon-",
     "-W$kpwU9"},
    {"8nOy*@#G", "%Rcpe$wR", "EUksOoxx", "SSOrBd-%", "RUqzaY7=", "&hR1tMka", "Q6X=mya4",
     "pBi%OlBw"},
    {"RW4h+77H", "0sJW1M0F", "RRn-oP+g", "eq32VYGC", "Xnfry+-y", "c1MwYpGb", "FB-=kBS@",
     "mmPiMd@a"},
    {"27Z1vp*c", "eC+tZq=6", "C01Lde9A", "UUGZpSao", "okultpNz", "oVnNXm$K", "5FLTIuVU",
     "oZDfvZ11"},
    {"0dj57SuF", "Ye+Vw%j6", "pSNKnlIw", "AMQInsQi", "V#CAo%b8", "pYn&8P8$", "?7&7k52&",
     "I?@H4jDM"},
    {"di8dNBh=", "bk3?S7sD", "Ft#52m$-", "8$v4sfB*", "NucwIE5V", "AU%BBes8", "TMai5g+p",
     "xVWn?ope"},
    {"JIKF1uiw", "a@*Y@&v8", "F4cyD?-e", "43ldhzKD", "GXMk74zh", "tj%iwr9x", "5cG+MBKg",
     "E=E2pd1C"},
    {"Fd062uy=", "$MeVIY?r", "9qqVD+33", "-4E3pacu", "t96IFTS5", "NFkCv0tp", "zcVWKa3F",
     "xc+C94wX"},
    {"97cL?nfS", "*943gsJg", "9TeH-pnL", "+xT&0PlW", "SjYHI%Ph", "guayat0B", "ZaUbFj72",
     "#Io7xETN"},
    {"qUJiI5HB", "sD2ecclR", "BtF?*N6K", "UWvxVlWY", "CMMUbxvV", "jgxG4RI$", "YSg5eKDc",
     "qB+T*ow4"},
}};

struct KeyTable {
    std::array<QByteArray, CompanyKeys::kCount> keys;
    bool development = true;
    QString permissionWarning;
};

KeyTable developmentTable() {
    KeyTable t;
    for (int i = 0; i < CompanyKeys::kCount; ++i)
        for (const char* row : kDevelopmentKeys[std::size_t(i)])
            t.keys[std::size_t(i)] += row;
    return t;
}

KeyTable& table() {
    static KeyTable t = developmentTable();
    return t;
}

// Standard error hears of each key file once, however often it is loaded.
void warnOnce(const QString& path, const QString& warning) {
    static std::mutex mutex;
    static QSet<QString> warned;
    const std::lock_guard lock(mutex);
    if (warned.contains(path))
        return;
    warned.insert(path);
    std::fprintf(stderr, "%s\n", escapeControls(warning.toUtf8(), false).constData());
}

[[noreturn]] void refuse(const QString& path, const QString& why) {
    throw Exception(QStringLiteral("Arquivo de chaves recusado (%1): %2").arg(path, why));
}

} // namespace

void CompanyKeys::loadFile(const QString& path) {
    // Opened without waiting (a pipe without a writer would block the open) and examined
    // through the open descriptor, so what is read is what was checked.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        refuse(path, QStringLiteral("não foi possível abrir (%1)")
                         .arg(QString::fromLocal8Bit(std::strerror(errno))));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        refuse(path, QStringLiteral("não foi possível abrir (%1)").arg(file.errorString()));
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        refuse(path, QStringLiteral("não é um arquivo comum (dispositivo, pipe ou pasta)"));
    // The size on disk is not trusted: the file may grow while it is read.
    constexpr qint64 kMaxBytes = 64 * 1024;
    QByteArray content = file.read(kMaxBytes + 1);
    if (content.size() > kMaxBytes)
        refuse(path, QStringLiteral("arquivo grande demais (mais de %1 bytes)").arg(kMaxBytes));
    const QString warning =
        (info.st_mode & (S_IRGRP | S_IROTH))
            ? QStringLiteral("Aviso: o arquivo de chaves \"%1\" pode ser lido por outros usuários; "
                             "deixe-o legível só pelo usuário do programa (chmod 600).")
                  .arg(path)
            : QString();
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3); // the UTF-8 byte-order mark some editors write
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // final line break
    if (lines.size() != kCount)
        refuse(path,
               QStringLiteral("esperadas %1 linhas, encontradas %2").arg(kCount).arg(lines.size()));
    KeyTable loaded;
    loaded.development = false;
    for (int i = 0; i < kCount; ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() != kKeyLength)
            refuse(path, QStringLiteral("linha %1: a chave deve ter %2 caracteres, tem %3")
                             .arg(i + 1)
                             .arg(kKeyLength)
                             .arg(line.size()));
        for (const char c : line)
            if (c <= ' ' || c > '~')
                refuse(path, QStringLiteral("linha %1: caractere não permitido (só ASCII visível)")
                                 .arg(i + 1));
        loaded.keys[std::size_t(i)] = line;
    }
    loaded.permissionWarning = warning;
    table() = loaded;
    if (!warning.isEmpty())
        warnOnce(path, warning);
}

QString CompanyKeys::permissionWarning() {
    return table().permissionWarning;
}

bool CompanyKeys::loadBesideExecutable(const QString& applicationDir) {
    const QString path = QDir(applicationDir).filePath(defaultFileName());
    if (!QFile::exists(path))
        return false;
    loadFile(path);
    return true;
}

void CompanyKeys::useDevelopmentKeys() {
    table() = developmentTable();
}

bool CompanyKeys::usingDevelopmentKeys() {
    return table().development;
}

QByteArray RetSenInt(int32_t companyCode) {
    const int index = companyCode >= 1 && companyCode <= 13 ? companyCode : 0;
    return table().keys[std::size_t(index)];
}

QString MD5_WS(int32_t companyCode, const QByteArray& signedText) {
    Md5Stream md5;
    md5.update(std::string_view(signedText.constData(), std::size_t(signedText.size())));
    const QByteArray key = RetSenInt(companyCode);
    md5.update(std::string_view(key.constData(), std::size_t(key.size())));
    return md5.finish();
}
