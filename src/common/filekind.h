#pragma once

#include <QByteArrayView>
#include <QString>

#include <string_view>

// The kind of file a run of bytes is, told by its first bytes: what the formatted view names a
// base64 member by, and the extension a copy of it is opened with.
namespace filekind {

enum class Kind { None, Pdf, Zip, Png, Jpeg, Xml };

// By the first bytes of the file.
Kind ofBytes(QByteArrayView head);
// By the first bytes a base64 text decodes to; only the leading characters are decoded. Text
// too short to hold a file's mark, or not base64, is of no kind.
Kind ofBase64(std::string_view base64);
// "PDF", "ZIP", "PNG", "JPEG", "XML"; "" for None.
QString name(Kind kind);
// "pdf", "zip", "png", "jpg", "xml"; "" for None.
QString extension(Kind kind);

} // namespace filekind
