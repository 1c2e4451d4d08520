#include "common/indexedtext.h"

#include "common/memorysteps.h"
#include "common/utf8valid.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace {

constexpr qint64 kBlock = 4096;        // bytes between two recorded positions
constexpr qint64 kPiece = 1024 * 1024; // bytes decoded at a time by forEachPiece

// UTF-16 units a byte adds: its character's, counted at the first byte.
int unitsOf(unsigned char b) {
    if ((b & 0xC0) == 0x80)
        return 0;
    return b >= 0xF0 ? 2 : 1;
}

bool startsCharacter(unsigned char b) {
    return (b & 0xC0) != 0x80;
}

bool allAscii(const unsigned char* p, qint64 n) {
    quint64 any = 0;
    qint64 i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 word;
        std::memcpy(&word, p + i, 8);
        any |= word;
    }
    for (; i < n; ++i)
        any |= p[i];
    return (any & 0x8080808080808080ull) == 0;
}

// Every byte read as UTF-8, a leading byte-order mark included (QString::fromUtf8 drops it,
// which would shift every position after a piece that starts with one).
QString decodeUtf8(const char* data, qint64 size) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, qsizetype(size)));
}

} // namespace

QString IndexedText::decode(const QByteArray& utf8) {
    return decodeUtf8(utf8.constData(), utf8.size());
}

IndexedText::IndexedText() : m_lines{0} {}

IndexedText::~IndexedText() {
    if (!memorysteps::awayFromUiThread())
        return;
    memorysteps::giveBack(m_utf16);
    memorysteps::giveBack(m_utf8);
    memorysteps::giveBack(m_lines);
    memorysteps::giveBack(m_blockPositions);
}

IndexedText::IndexedText(QString text) : m_utf16(std::move(text)), m_size(m_utf16.size()) {
    m_lines.push_back(0);
    const QStringView view(m_utf16);
    for (qsizetype at = view.indexOf(u'\n'); at >= 0; at = view.indexOf(u'\n', at + 1))
        m_lines.push_back(at + 1);
}

IndexedText::IndexedText(QByteArray utf8) : m_utf8(std::move(utf8)), m_isUtf8(true) {
    if (!json::isValidUtf8(std::string_view(m_utf8.constData(), std::size_t(m_utf8.size()))))
        m_utf8 = decodeUtf8(m_utf8.constData(), m_utf8.size()).toUtf8();
    const auto* p = reinterpret_cast<const unsigned char*>(m_utf8.constData());
    const qint64 n = m_utf8.size();
    m_lines.push_back(0);
    m_blockPositions.reserve(std::size_t(n / kBlock + 1));
    qint64 units = 0;
    bool ascii = true;
    for (qint64 s = 0; s < n; s += kBlock) {
        m_blockPositions.push_back(units);
        const qint64 e = std::min(n, s + kBlock);
        if (allAscii(p + s, e - s)) {
            for (auto* nl =
                     static_cast<const unsigned char*>(std::memchr(p + s, '\n', size_t(e - s)));
                 nl; nl = static_cast<const unsigned char*>(
                         std::memchr(nl + 1, '\n', size_t(p + e - (nl + 1)))))
                m_lines.push_back(units + (nl - (p + s)) + 1);
            units += e - s;
            continue;
        }
        ascii = false;
        for (qint64 i = s; i < e; ++i) {
            units += unitsOf(p[i]);
            if (p[i] == '\n')
                m_lines.push_back(units);
        }
    }
    m_size = units;
    m_ascii = ascii;
    if (ascii) {
        m_blockPositions.clear();
        m_blockPositions.shrink_to_fit();
    }
}

qint64 IndexedText::byteOf(qint64 position) const {
    if (m_ascii || m_blockPositions.empty())
        return position;
    const auto* p = reinterpret_cast<const unsigned char*>(m_utf8.constData());
    const qint64 n = m_utf8.size();
    const std::size_t block =
        std::size_t(std::upper_bound(m_blockPositions.begin(), m_blockPositions.end(), position) -
                    m_blockPositions.begin() - 1);
    qint64 units = m_blockPositions[block];
    for (qint64 i = qint64(block) * kBlock; i < n; ++i) {
        if (!startsCharacter(p[i]))
            continue;
        if (units >= position)
            return i;
        units += unitsOf(p[i]);
        if (units > position)
            return i; // between the halves of a surrogate pair
    }
    return n;
}

QString IndexedText::mid(qint64 position, qint64 length) const {
    const qint64 from = std::clamp<qint64>(position, 0, m_size);
    const qint64 to = std::clamp<qint64>(position + std::max<qint64>(0, length), from, m_size);
    if (!m_isUtf8) {
        const auto pairStart = [this](qint64 at) {
            return at > 0 && at < m_size && m_utf16[at].isLowSurrogate() &&
                           m_utf16[at - 1].isHighSurrogate()
                       ? at - 1
                       : at;
        };
        const qint64 a = pairStart(from);
        return m_utf16.mid(a, pairStart(to) - a);
    }
    const qint64 a = byteOf(from);
    return decodeUtf8(m_utf8.constData() + a, byteOf(to) - a);
}

QByteArray IndexedText::utf8Mid(qint64 position, qint64 length) const {
    if (!m_isUtf8)
        return mid(position, length).toUtf8();
    const qint64 from = std::clamp<qint64>(position, 0, m_size);
    const qint64 to = std::clamp<qint64>(position + std::max<qint64>(0, length), from, m_size);
    const qint64 a = byteOf(from);
    return m_utf8.mid(qsizetype(a), qsizetype(byteOf(to) - a));
}

QString IndexedText::toString() const {
    return m_isUtf8 ? decodeUtf8(m_utf8.constData(), m_utf8.size()) : m_utf16;
}

void IndexedText::forEachPiece(
    const std::function<void(QStringView piece, qint64 position)>& read) const {
    if (!m_isUtf8) {
        read(m_utf16, 0);
        return;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(m_utf8.constData());
    const qint64 n = m_utf8.size();
    qint64 position = 0;
    for (qint64 from = 0; from < n;) {
        qint64 to = std::min(n, from + kPiece);
        while (to < n && !startsCharacter(p[to]))
            --to;
        const QString piece = decodeUtf8(m_utf8.constData() + from, to - from);
        read(piece, position);
        position += piece.size();
        from = to;
    }
}
