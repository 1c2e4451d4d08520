#include "tables/memtable.h"

#include <algorithm>

#include "common/exception.h"

MemTable::MemTable(const QString& name, std::vector<FieldDef> fields, QObject* parent)
    : QObject(parent), m_fields(std::move(fields)) {
    setObjectName(name);
}

int MemTable::fieldIndex(const QString& name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const FieldDef& MemTable::field(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        throw Exception(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    return m_fields[std::size_t(i)];
}

void MemTable::setReadOnly(const QString& name, bool readOnly) {
    field(name); // raises for an unknown field
    m_fields[std::size_t(fieldIndex(name))].readOnly = readOnly;
}

void MemTable::open() {
    if (m_state == State::Inactive)
        m_state = State::Browse;
    refilter();
}

void MemTable::close() {
    m_rows.clear();
    m_visible.clear();
    m_current = -1;
    m_pendingRow = -1;
    m_state = State::Inactive;
    Q_EMIT changed();
}

void MemTable::requireOpen() const {
    if (m_state == State::Inactive)
        throw Exception(QStringLiteral("%1: Cannot perform this operation on a closed dataset")
                            .arg(objectName()));
}

int MemTable::rowIndexOfCurrent() const {
    return m_current >= 0 && m_current < recordCount() ? m_visible[std::size_t(m_current)] : -1;
}

bool MemTable::matchesMaster(const Row& row) const {
    if (!m_master)
        return true;
    if (m_master->rowIndexOfCurrent() < 0)
        return false;
    for (const QString& key : m_keys)
        if (row[std::size_t(fieldIndex(key))] != m_master->value(key))
            return false;
    return true;
}

void MemTable::followMasterKeys(const Row& before, const Row& after) {
    std::vector<std::pair<std::size_t, std::size_t>> links; // (master field, own field)
    bool keyChanged = false;
    for (const QString& key : m_keys) {
        const auto masterField = std::size_t(m_master->fieldIndex(key));
        links.emplace_back(masterField, std::size_t(fieldIndex(key)));
        keyChanged = keyChanged || before[masterField] != after[masterField];
    }
    if (!keyChanged)
        return;
    const auto linkedToBefore = [&](const Row& row) {
        for (const auto& [masterField, ownField] : links)
            if (row[ownField] != before[masterField])
                return false;
        return true;
    };
    const auto relink = [&](Row& row) {
        for (const auto& [masterField, ownField] : links)
            row[ownField] = after[masterField];
    };
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (!linkedToBefore(m_rows[i]))
            continue;
        relink(m_rows[i]);
        if (int(i) == m_pendingRow && m_state == State::Edit)
            relink(m_backup);
    }
    if (isOpen())
        refilter();
}

void MemTable::refilter() {
    const int currentRow = rowIndexOfCurrent();
    m_visible.clear();
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (matchesMaster(m_rows[i]) || int(i) == m_pendingRow)
            m_visible.push_back(int(i));
    m_current = -1;
    for (std::size_t i = 0; i < m_visible.size(); ++i)
        if (m_visible[i] == currentRow)
            m_current = int(i);
    if (m_current < 0 && !m_visible.empty())
        m_current = 0;
    Q_EMIT changed();
}

void MemTable::moveTo(int index) {
    requireOpen();
    if (index == m_current)
        return;
    postIfEditing();
    m_current = index < 0 ? (recordCount() ? 0 : -1) : index;
    if (m_current >= recordCount())
        m_current = recordCount(); // past the last row: eof
    Q_EMIT changed();
}

void MemTable::append() {
    requireOpen();
    postIfEditing();
    for (const auto& hook : m_beforeInsert)
        hook(*this);
    m_rows.push_back(Row(m_fields.size()));
    m_pendingRow = int(m_rows.size()) - 1;
    m_state = State::Insert;
    m_visible.push_back(m_pendingRow);
    m_current = int(m_visible.size()) - 1;
    for (const auto& hook : m_afterInsert)
        hook(*this);
    Q_EMIT changed();
}

void MemTable::edit() {
    requireOpen();
    if (isEditing())
        return;
    const int row = rowIndexOfCurrent();
    if (row < 0)
        throw Exception(QStringLiteral("%1: no current row to edit").arg(objectName()));
    m_backup = m_rows[std::size_t(row)];
    m_pendingRow = row;
    m_state = State::Edit;
}

void MemTable::post() {
    if (!isEditing())
        return;
    for (const auto& hook : m_beforePost) {
        if (hook(*this) == PostDecision::Discard) {
            cancel();
            return;
        }
    }
    const bool wasEdit = m_state == State::Edit;
    const Row stored = m_rows[std::size_t(m_pendingRow)];
    m_state = State::Browse;
    m_pendingRow = -1;
    if (wasEdit)
        Q_EMIT rowStored(m_backup, stored);
    refilter();
}

void MemTable::postIfEditing() {
    if (isEditing())
        post();
}

void MemTable::cancel() {
    if (m_state == State::Insert) {
        m_rows.erase(m_rows.begin() + m_pendingRow);
        m_state = State::Browse;
        m_pendingRow = -1;
        m_current = -1;
        refilter();
        if (recordCount())
            m_current = recordCount() - 1;
        Q_EMIT changed();
        return;
    }
    if (m_state == State::Edit) {
        m_rows[std::size_t(m_pendingRow)] = m_backup;
        m_state = State::Browse;
        m_pendingRow = -1;
        refilter();
    }
}

void MemTable::remove() {
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    const int row = rowIndexOfCurrent();
    if (row < 0) {
        if (recordCount() > 0)
            throw Exception(
                QStringLiteral("%1: nenhum registro atual para excluir").arg(objectName()));
        return;
    }
    const int keep = m_current;
    m_rows.erase(m_rows.begin() + row);
    refilter();
    m_current = recordCount() ? std::min(keep, recordCount() - 1) : -1;
    Q_EMIT changed();
}

void MemTable::removeAll() {
    requireOpen();
    if (isEditing())
        cancel();
    std::vector<int> doomed = m_visible;
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    for (const int row : doomed)
        m_rows.erase(m_rows.begin() + row);
    refilter();
}

QVariant MemTable::value(const QString& name) const {
    const int f = fieldIndex(name);
    if (f < 0)
        throw Exception(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    const int row = rowIndexOfCurrent();
    return row < 0 ? QVariant() : m_rows[std::size_t(row)][std::size_t(f)];
}

QVariant MemTable::valueAt(int row, int f) const {
    if (row < 0 || row >= recordCount() || f < 0 || f >= int(m_fields.size()))
        return {};
    return m_rows[std::size_t(m_visible[std::size_t(row)])][std::size_t(f)];
}

QVariant MemTable::coerce(const FieldDef& f, const QVariant& v) const {
    if (!v.isValid() || v.isNull())
        return {};
    switch (f.type) {
    case FieldDef::Type::String:
    case FieldDef::Type::Memo: {
        const QString s = v.toString();
        return f.size > 0 ? s.left(f.size) : s;
    }
    case FieldDef::Type::Integer:
        return v.toInt();
    case FieldDef::Type::Float:
        return v.toDouble();
    case FieldDef::Type::Currency:
        return regional::Currency::fromDouble(v.toDouble()).toDouble();
    case FieldDef::Type::Boolean:
        return v.toBool();
    case FieldDef::Type::Date:
        return v.metaType().id() == QMetaType::QDateTime ? QVariant(v.toDateTime().date())
                                                         : QVariant(v.toDate());
    case FieldDef::Type::DateTime:
    case FieldDef::Type::Timestamp:
        return v.metaType().id() == QMetaType::QDate
                   ? QVariant(regional::makeDateTime(v.toDate().year(), v.toDate().month(),
                                                     v.toDate().day()))
                   : QVariant(v.toDateTime());
    }
    return v;
}

void MemTable::setValue(const QString& name, const QVariant& v) {
    requireOpen();
    const FieldDef& f = field(name);
    if (f.readOnly)
        throw Exception(QStringLiteral("Field '%1' cannot be modified").arg(f.name));
    if (!isEditing())
        edit();
    m_rows[std::size_t(m_pendingRow)][std::size_t(fieldIndex(name))] = coerce(f, v);
    Q_EMIT valueEdited(m_current);
}

QString MemTable::asString(const QString& name) const {
    const QVariant v = value(name);
    if (!v.isValid())
        return QString();
    switch (field(name).type) {
    case FieldDef::Type::Float:
        return regional::floatToStr(v.toDouble());
    case FieldDef::Type::Currency:
        return regional::Currency::fromDouble(v.toDouble()).toString();
    case FieldDef::Type::Boolean:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldDef::Type::Date:
        return regional::dateTimeToStr(
            regional::makeDateTime(v.toDate().year(), v.toDate().month(), v.toDate().day()));
    case FieldDef::Type::DateTime:
    case FieldDef::Type::Timestamp:
        return regional::dateTimeToStr(v.toDateTime());
    default:
        return v.toString();
    }
}

int32_t MemTable::asInteger(const QString& name) const {
    return value(name).toInt();
}
double MemTable::asFloat(const QString& name) const {
    return value(name).toDouble();
}
regional::Currency MemTable::asCurrency(const QString& name) const {
    return regional::Currency::fromDouble(value(name).toDouble());
}
bool MemTable::asBoolean(const QString& name) const {
    return value(name).toBool();
}

QDateTime MemTable::asDateTime(const QString& name) const {
    const QVariant v = value(name);
    if (!v.isValid())
        return regional::zeroDateTime();
    if (v.metaType().id() == QMetaType::QDate)
        return regional::makeDateTime(v.toDate().year(), v.toDate().month(), v.toDate().day());
    return v.toDateTime();
}

void MemTable::setMaster(MemTable* master, const QStringList& keyFields) {
    m_master = master;
    m_keys = keyFields;
    const auto follow = [this] {
        if (isOpen())
            refilter();
    };
    connect(master, &MemTable::changed, this, follow);
    connect(master, &MemTable::rowStored, this, &MemTable::followMasterKeys);
    connect(master, &MemTable::valueEdited, this, follow);
    refilter();
}
