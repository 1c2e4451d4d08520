#include "tables/memtablemodel.h"

#include "common/exception.h"

MemTableModel::MemTableModel(MemTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table) {
    for (std::size_t i = 0; i < table.fields().size(); ++i)
        if (!table.fields()[i].hidden)
            m_columns.push_back(int(i));
    connect(&m_table, &MemTable::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&m_table, &MemTable::valueEdited, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    });
}

int MemTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.recordCount();
}

int MemTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant MemTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int f = fieldOfColumn(index.column());
    const FieldDef& def = m_table.fields()[std::size_t(f)];
    const QVariant v = m_table.valueAt(index.row(), f);
    if (def.type == FieldDef::Type::Boolean) {
        if (role == Qt::CheckStateRole)
            return v.toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    if (!v.isValid())
        return role == Qt::EditRole ? QVariant(QString()) : QVariant();
    // Shown and edited as text with the regional conventions.
    switch (def.type) {
    case FieldDef::Type::Float:
        return regional::floatToStr(v.toDouble());
    case FieldDef::Type::Currency:
        return regional::Currency::fromDouble(v.toDouble()).toString();
    case FieldDef::Type::Date:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case FieldDef::Type::DateTime:
    case FieldDef::Type::Timestamp:
        return regional::dateTimeToStr(v.toDateTime());
    default:
        return v;
    }
}

bool MemTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid())
        return false;
    const FieldDef& def = m_table.fields()[std::size_t(fieldOfColumn(index.column()))];
    if (def.readOnly)
        return false;
    if (index.row() != m_table.recNo())
        m_table.moveTo(index.row()); // stores the pending row of another line
    QVariant converted;
    const QString text = value.toString();
    m_refusal.clear();
    // The conversion's own message, for the grid to show where the text was typed.
    const auto refuse = [this](const auto& convert) {
        try {
            convert();
        } catch (const Exception& e) {
            m_refusal = e.message();
        }
        return false;
    };
    switch (def.type) {
    case FieldDef::Type::Boolean:
        if (role != Qt::CheckStateRole)
            return false;
        converted = value.toInt() == Qt::Checked;
        break;
    case FieldDef::Type::Integer:
        if (!text.trimmed().isEmpty()) {
            const auto i = regional::tryStrToInt(text.trimmed());
            if (!i)
                return refuse([&] { (void)regional::strToInt(text.trimmed()); });
            converted = *i;
        }
        break;
    case FieldDef::Type::Float:
    case FieldDef::Type::Currency:
        if (!text.trimmed().isEmpty()) {
            const auto d = regional::tryStrToFloat(text);
            if (!d)
                return refuse([&] { (void)regional::strToFloat(text); });
            converted = *d;
        }
        break;
    case FieldDef::Type::Date:
    case FieldDef::Type::DateTime:
    case FieldDef::Type::Timestamp:
        if (!text.trimmed().isEmpty()) {
            const auto dt = regional::tryStrToDateTime(text);
            if (!dt)
                return refuse([&] { (void)regional::strToDateTime(text); });
            converted = *dt;
        }
        break;
    default:
        converted = text;
        break;
    }
    if (role != Qt::EditRole && role != Qt::CheckStateRole)
        return false;
    m_table.setValue(def.name, converted);
    return true;
}

Qt::ItemFlags MemTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const FieldDef& def = m_table.fields()[std::size_t(fieldOfColumn(index.column()))];
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (def.readOnly)
        return f;
    if (def.type == FieldDef::Type::Boolean)
        return f | Qt::ItemIsUserCheckable;
    return f | Qt::ItemIsEditable;
}

QVariant MemTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section == m_table.recNo() && m_table.isEditing() ? QStringLiteral("*")
                                                                 : QString::number(section + 1);
    const FieldDef& def = m_table.fields()[std::size_t(fieldOfColumn(section))];
    const auto own = m_titles.find(section);
    QString title = own != m_titles.end() ? own->second
                    : def.label.isEmpty() ? def.name
                                          : def.label;
    return title.replace(u'~', u'\n');
}

bool MemTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                  int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_titles[section] = value.toString();
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}
