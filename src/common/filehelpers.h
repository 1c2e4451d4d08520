#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QDir;

// Files as bytes and as text, ZIP archives and base64.

// The whole file; raises EFileError when it cannot be read.
QByteArray readFileBytes(const QString& path);
// Writes the bytes as the whole file, or leaves what was there untouched (a temporary file
// renamed over it); raises EFileError ("Não foi possível gravar …") when it cannot.
void writeFileWhole(const QString& path, const QByteArray& bytes);
// The text of bytes the CLI reads as its own input (a JSON file): a byte-order mark (UTF-8,
// UTF-16 LE, UTF-16 BE) names the encoding and is not part of the text; without one, UTF-8
// when the bytes are valid UTF-8, otherwise 8-bit text in the host's code page (Windows-1252).
QString decodeText(const QByteArray& bytes);
// The file's bytes as 8-bit text in the host's code page (Windows-1252; the five bytes it
// leaves undefined become the code points of the same value), one character per byte, with no
// byte-order-mark detection: turned back into bytes through the same code page, the text gives
// the file's exact bytes. Raises EFileError when the file cannot be read.
QString readCodePageFile(const QString& path);
// The file as text by its byte-order mark (UTF-8, UTF-16 LE, UTF-16 BE; the mark is not part
// of the text), otherwise 8-bit text in the host's code page as readCodePageFile reads it.
QString readMarkedFile(const QString& path);
// The lines of a text (CR LF, LF or CR breaks); a final break does not make an empty line.
QStringList splitLines(const QString& text);

// Each line of the file (read as readCodePageFile reads it) with every occurrence of the separator
// removed, each preceded by the separator: a two-line file a, b with "|" gives "|a|b".
QString FileToStr(const QString& fileName, const QString& separator);

// Adds the file to the ZIP archive (created when missing) under its bare file name, deflated.
// Returns 1; raises on failure.
int CompactFile(const QString& archiveName, const QString& fileName);
// What one extraction may produce.
struct ZipLimits {
    qint64 maxEntries = 10000;
    qint64 maxTotalBytes = 256ll * 1024 * 1024; // uncompressed, all entries together
    // Uncompressed bytes per byte of the archive file, counted beyond the first MiB.
    qint64 maxRatio = 200;
};
// Extracts every entry into the folder, keeping the entries' paths. Symbolic-link entries are
// written as regular files holding the link text. An archive with an entry that is absolute,
// climbs out of the folder or has a colon or a control character in its name, or that goes
// past a limit
// (in its headers or in what it really unpacks to), is refused whole with a message, and
// nothing of it is left in the folder: entries are unpacked aside and moved in only when all
// of them are. Returns 1; raises "Não encontrei: " + the archive's name when it does not exist.
int DescompactFile(const QString& archiveName, const QString& folder, const ZipLimits& limits = {});
// Moves the files (names relative to both folders) from one folder into the other, replacing
// files of the same names, all or nothing: every destination is checked first (a folder where a
// file goes, or a file where a folder goes, refuses the whole move), and a move that fails
// half-way puts back what it had replaced. Raises EFileError naming the destination.
void moveAllInto(const QDir& from, const QDir& to, const QStringList& names);
// The file's bytes in standard base64, on one line; with pack, the bytes of a ZIP archive
// holding the file (made in a private temporary folder, removed afterwards).
QString GetBase64File(const QString& fileName, bool pack);
// The packed form of GetBase64File; a file that cannot be packed raises the failure message
// wrapped around the cause.
QString packedFileBase64(const QString& fileName, const QString& failureMessage);
