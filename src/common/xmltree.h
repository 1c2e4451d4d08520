#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>
#include <vector>

// An XML document read into a tree for comparison: elements by their local name and
// namespace, attributes (namespace declarations are not attributes), and the text directly
// inside each element. Whitespace between elements is not kept; comments, processing
// instructions and the declaration are not either.
struct XmlElement {
    struct Attribute {
        QString name; // local name
        QString namespaceUri;
        QString value;
    };
    QString name; // local name
    QString namespaceUri;
    std::vector<Attribute> attributes;
    QString text; // character data directly inside (the pieces joined), unless only blanks
    std::vector<XmlElement> children;
};

// The document's root element, when the text is a well-formed XML document (Qt's reader, with
// namespaces) of at most kMaxXmlDepth levels; nothing otherwise.
std::optional<XmlElement> readXmlTree(const QString& text);

inline constexpr int kMaxXmlDepth = 256;
