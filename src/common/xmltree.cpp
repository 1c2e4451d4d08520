#include "common/xmltree.h"

#include "common/xmltext.h"

#include <QXmlStreamReader>

std::optional<XmlElement> readXmlTree(const QString& text) {
    if (!xmltext::isXml(text))
        return std::nullopt;
    QXmlStreamReader reader(text);
    std::vector<XmlElement> open; // the elements not closed yet, the root first
    std::optional<XmlElement> root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (root || int(open.size()) >= kMaxXmlDepth)
                return std::nullopt; // a second root, or nested too deep
            XmlElement e;
            e.name = reader.name().toString();
            e.namespaceUri = reader.namespaceUri().toString();
            for (const QXmlStreamAttribute& a : reader.attributes())
                e.attributes.push_back(
                    {a.name().toString(), a.namespaceUri().toString(), a.value().toString()});
            open.push_back(std::move(e));
            break;
        }
        case QXmlStreamReader::EndElement: {
            XmlElement done = std::move(open.back());
            open.pop_back();
            if (done.text.trimmed().isEmpty())
                done.text.clear();
            if (open.empty())
                root = std::move(done);
            else
                open.back().children.push_back(std::move(done));
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty())
                open.back().text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !root)
        return std::nullopt;
    return root;
}
