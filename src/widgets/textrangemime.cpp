#include "widgets/textrangemime.h"

#include "widgets/offthread.h"

namespace {

const QString kPlain = QStringLiteral("text/plain");
const QString kPlainUtf8 = QStringLiteral("text/plain;charset=utf-8");

} // namespace

TextRangeMimeData::TextRangeMimeData(std::shared_ptr<const IndexedText> text, qint64 start,
                                     qint64 length)
    : m_text(std::move(text)), m_start(start), m_length(length) {}

TextRangeMimeData::~TextRangeMimeData() {
    releaseOffUiThread(m_text);
}

QStringList TextRangeMimeData::formats() const {
    return {kPlain, kPlainUtf8};
}

bool TextRangeMimeData::hasFormat(const QString& mimeType) const {
    return mimeType == kPlain || mimeType == kPlainUtf8;
}

QVariant TextRangeMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
    if (!hasFormat(mimeType))
        return {};
    if (type.id() == QMetaType::QString)
        return m_text->mid(m_start, m_length);
    return m_text->utf8Mid(m_start, m_length);
}
