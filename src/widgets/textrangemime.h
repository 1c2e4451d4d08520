#pragma once

#include "common/indexedtext.h"

#include <QMimeData>

#include <memory>

// What the clipboard holds of a part of a text of any size: the text itself (shared, never
// changed) and the part, read only when someone pastes. Other programs get the UTF-8 bytes
// ("text/plain", "text/plain;charset=utf-8"), this one the text, so a copy of hundreds of
// megabytes costs nothing when it is made, and a text kept as bytes is never decoded for them.
class TextRangeMimeData : public QMimeData {
    Q_OBJECT
public:
    TextRangeMimeData(std::shared_ptr<const IndexedText> text, qint64 start, qint64 length);
    // The text, when this was its last holder, is freed off the UI thread (the clipboard lets
    // go of this when something else is copied).
    ~TextRangeMimeData() override;

    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::shared_ptr<const IndexedText> m_text;
    qint64 m_start;
    qint64 m_length;
};
